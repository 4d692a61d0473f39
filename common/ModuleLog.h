// Log lines from code that has no module object at hand: they go to the host through the
// one module object (host code 20003); without a module they are dropped.
#pragma once

void ModuleLog(const char* text, int level = 1);
