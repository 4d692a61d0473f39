// The module's resources (dialog templates, strings) as C++ tables, registered once when the
// module object is created.
#pragma once

// Registers every resource table of the module; calling it again changes nothing.
void RegisterModuleResources();

// The tables of each group of windows.
void RegisterSetupResources();
