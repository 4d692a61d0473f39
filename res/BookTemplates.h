// Templates and menus of the book page (543) and the notice numbers dialog (784).
#pragma once

void RegisterBookResources();
