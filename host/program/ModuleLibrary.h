// libtavorine.so as the host program loads it: dlopen and the LoadTavorineModule export. The
// library is unloaded when the process ends, and then deletes its module object.
#pragma once

#include <string>

#include "protocol/HostInterface.h"

namespace host {

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
  void Close();

 private:
  void* handle_ = nullptr;
  void* (*load_)(void*, void*, HWND) = nullptr;
};

}  // namespace host
