// The library's one export, called by the host after it loads the library.
#include "module/export/LoadTavorineModule.h"

extern "C" __attribute__((visibility("default"))) void* LoadTavorineModule(void* hostInterface,
                                                                           void* secondHostInterface,
                                                                           HWND hostMainWindow) {
  return nullptr;
}
