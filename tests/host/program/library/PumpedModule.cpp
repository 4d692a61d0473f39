// A library for the host program's tests: a module that starts a window timer when it loads
// and logs each tick to its host, so a test sees the program's waits run the module's timers
// on the desktop that program and module share.
#include <string>

#include "platform/ui/Wnd.h"
#include "protocol/HostBlocks.h"
#include "protocol/HostInterface.h"

namespace {

IHostInterface* g_host = nullptr;

void Log(const std::string& text) {
  HostLogBlock block{text.c_str(), 1, 0};
  if (g_host) g_host->OnModuleMessage(kTavorineModuleKind, kHostWriteLog, &block);
}

// A hidden top-level window whose 50 ms timer logs how often it fired.
class TickingWindow : public CWnd {
 public:
  void Start() {
    CreateEx(0, "Static", "ticking", 0, CRect(0, 0, 10, 10), nullptr, 0);
    SetTimer(1, 50, nullptr);
  }
  void OnTimer(UINT_PTR id) override { Log("tick " + std::to_string(++ticks_)); }

 private:
  int ticks_ = 0;
};

class PumpedModule : public ITavorineModule {
 public:
  int GetModuleKind() override { return kTavorineModuleKind; }
  BOOL LoadUserData() override {
    window_.Start();
    return TRUE;
  }
  void Close() override {
    window_.DestroyWindow();
    Log("closed");
  }
  void Reserved() override {}
  void ClosePopupDialogs() override {}
  int OnHostMessage(int category, int code, void* block) override { return 0; }
  int ForwardToHost(int code, void* block) override { return 0; }
  int ForwardToModule(int target, int code, void* block, int value) override { return 0; }
  BOOL CanExit() override { return TRUE; }

 private:
  TickingWindow window_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void* LoadTavorineModule(void* host, void*, HWND) {
  static PumpedModule module;
  g_host = static_cast<IHostInterface*>(host);
  return static_cast<ITavorineModule*>(&module);
}
