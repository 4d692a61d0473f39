// The library's one export, called by the host after it loads the library, and the deletion
// of the module object when the library is unloaded.
#include "module/export/LoadTavorineModule.h"

#include "module/TavorineModule.h"

extern "C" __attribute__((visibility("default"))) void* LoadTavorineModule(void* hostInterface,
                                                                           void* secondHostInterface,
                                                                           HWND hostMainWindow) {
  ITavorineModule* module = CreateTavorineModule(static_cast<IHostInterface*>(hostInterface),
                                                 static_cast<IHostInterface*>(secondHostInterface),
                                                 hostMainWindow);
  return module;
}

__attribute__((destructor)) static void UnloadTavorineModule() { DestroyTavorineModule(); }
