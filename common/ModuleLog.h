// Log lines from code that has no module object at hand. They go to the sink that the module
// object registers (which hands them to the host, host code 20003); without a sink they are
// dropped.
#pragma once

using ModuleLogSink = void (*)(const char* text, int level);

void ModuleLog(const char* text, int level = 1);

// Sets where ModuleLog's lines go; NULL drops them.
void SetModuleLogSink(ModuleLogSink sink);
