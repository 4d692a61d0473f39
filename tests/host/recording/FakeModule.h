// A module stand-in for host tests: records the host messages it gets, marks them handled,
// and on code 2 asks its host with 20032 as the set-up pages do.
#pragma once

#include <cstring>
#include <vector>

#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfStatisEvent.h"
#include "protocol/HostBlocks.h"
#include "protocol/HostInterface.h"

namespace host_test {

class FakeModule : public ITavorineModule {
 public:
  explicit FakeModule(IHostInterface* host) : host_(host) {}

  struct Received {
    int category;
    int code;
  };
  std::vector<Received> received;
  int mayStart = -1;  // what the host wrote into the 20032 block
  bool closed = false;
  confCtrlResult lastResult{};  // the last conference event of iType 1
  std::vector<char> lastStatis;  // the bytes of the last conference event of iType 7

  int GetModuleKind() override { return kTavorineModuleKind; }
  BOOL LoadUserData() override { return TRUE; }
  void Close() override { closed = true; }
  void Reserved() override {}
  void ClosePopupDialogs() override {}
  int OnHostMessage(int category, int code, void* block) override {
    received.push_back({category, code});
    const HostRecordBlock* event = static_cast<const HostRecordBlock*>(block);
    if (code == kModuleConfEvent && event->nKind == 1) std::memcpy(&lastResult, event->pRecord, sizeof lastResult);
    if (code == kModuleConfEvent && event->nKind == 7) {
      const char* bytes = static_cast<const char*>(event->pRecord);
      lastStatis.assign(bytes, bytes + sizeof(confStatisEvent));
    }
    if (code == kModuleOpenUI) {
      HostMayStartBlock ask{0};
      host_->OnModuleMessage(kTavorineModuleKind, kHostMayStartConfOp, &ask);
      mayStart = ask.bMayStart;
    }
    if (code == kModuleStatusQuery) {
      static_cast<HostStatusBlock*>(block)->bInConf = 1;
      static_cast<HostStatusBlock*>(block)->bHandled = 1;
    } else if (code == kModuleOpenUI) {
      static_cast<HostPlainBlock*>(block)->bHandled = 1;
    }
    return 0;
  }
  int ForwardToHost(int code, void* block) override { return 0; }
  int ForwardToModule(int target, int code, void* block, int value) override { return 0; }
  BOOL CanExit() override { return TRUE; }

 private:
  IHostInterface* host_;
};

}  // namespace host_test
