#include "host/program/ModuleLibrary.h"

#include <dlfcn.h>

namespace host {

ModuleLibrary::~ModuleLibrary() { Close(); }

bool ModuleLibrary::Open(const std::string& path, std::string* error) {
  Close();
  // RTLD_NODELETE: the library stays mapped until the process ends, when its destructors
  // delete the module object after the scenario's last window has gone.
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle_) {
    *error = dlerror();
    return false;
  }
  load_ = reinterpret_cast<void* (*)(void*, void*, HWND)>(dlsym(handle_, "LoadTavorineModule"));
  if (load_) return true;
  *error = path + " does not export LoadTavorineModule";
  Close();
  return false;
}

ITavorineModule* ModuleLibrary::LoadModule(IHostInterface* host, IHostInterface* skinHost) {
  if (!load_) return nullptr;
  return static_cast<ITavorineModule*>(load_(host, skinHost, nullptr));
}

void ModuleLibrary::Close() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
  load_ = nullptr;
}

}  // namespace host
