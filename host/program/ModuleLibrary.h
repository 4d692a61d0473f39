// libtavorine.so as the host program loads it: dlopen, the LoadTavorineModule export and the
// optional pump export. The library is unloaded when the process ends, and then deletes its
// module object.
#pragma once

#include <cstdint>
#include <string>

#include "module/HostInterface.h"

namespace host {

// An optional export through which a library lets its host run its window messages and
// timers for some milliseconds. The module's windows live in the library's own copy of the
// platform, so only the library itself can pump them.
constexpr const char* kPumpExportName = "TavorinePumpMessages";
using PumpExport = void (*)(uint32_t ms);

class ModuleLibrary {
 public:
  ModuleLibrary() = default;
  ModuleLibrary(const ModuleLibrary&) = delete;
  ModuleLibrary& operator=(const ModuleLibrary&) = delete;
  ~ModuleLibrary();

  // Loads the library and finds its export; false with the reason in *error.
  bool Open(const std::string& path, std::string* error);
  // Calls LoadTavorineModule with the host's interfaces; NULL when the module gives none.
  ITavorineModule* LoadModule(IHostInterface* host, IHostInterface* skinHost);
  // The library's pump export, or NULL when it has none.
  PumpExport Pump() const { return pump_; }
  void Close();

 private:
  void* handle_ = nullptr;
  void* (*load_)(void*, void*, HWND) = nullptr;
  PumpExport pump_ = nullptr;
};

}  // namespace host
