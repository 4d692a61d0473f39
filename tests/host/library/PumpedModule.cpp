// A library for the host program's tests: a module that offers the pump export and logs
// every pump call to its host, so a test sees the program's waits reach the library.
#include <cstdint>
#include <string>

#include "module/HostBlocks.h"
#include "module/HostInterface.h"

namespace {

IHostInterface* g_host = nullptr;

void Log(const std::string& text) {
  HostLogBlock block{text.c_str(), 1, 0};
  if (g_host) g_host->OnModuleMessage(kTavorineModuleKind, kHostWriteLog, &block);
}

class PumpedModule : public ITavorineModule {
 public:
  int GetModuleKind() override { return kTavorineModuleKind; }
  BOOL LoadUserData() override { return TRUE; }
  void Close() override { Log("closed"); }
  void Reserved() override {}
  void ClosePopupDialogs() override {}
  int OnHostMessage(int category, int code, void* block) override { return 0; }
  int ForwardToHost(int code, void* block) override { return 0; }
  int ForwardToModule(int target, int code, void* block, int value) override { return 0; }
  BOOL CanExit() override { return TRUE; }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void* LoadTavorineModule(void* host, void*, HWND) {
  static PumpedModule module;
  g_host = static_cast<IHostInterface*>(host);
  return static_cast<ITavorineModule*>(&module);
}

extern "C" __attribute__((visibility("default"))) void TavorinePumpMessages(uint32_t ms) {
  Log("pumped " + std::to_string(ms) + " ms");
}
