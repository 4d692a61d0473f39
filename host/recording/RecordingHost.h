// A host for tests and for the host program: it records every event and request a module
// sends, with a deep copy of the block and of every block it points to (senders free their
// blocks right after the call), answers from a script, and delivers host messages to the
// module.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "host/recording/AnswerScript.h"
#include "host/recording/CopierTable.h"
#include "host/recording/HostEvent.h"
#include "protocol/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
#include "protocol/HostInterface.h"

namespace host {

class RecordingHost : public IHostInterface {
 public:
  // Starts with the module's copy rules and the answers of a host that lets everything through.
  RecordingHost();
  RecordingHost(const RecordingHost&) = delete;
  RecordingHost& operator=(const RecordingHost&) = delete;
  virtual ~RecordingHost();

  int OnModuleMessage(int moduleKind, int code, void* block) override;
  int SendToModule(int target, int code, void* block, int value) override;

  CopierTable& Copiers() { return copiers_; }
  AnswerScript& Answers() { return answers_; }
  // Called after each recorded event (the host program prints them as they come).
  void SetObserver(std::function<void(const HostEvent&)> observer) { observer_ = std::move(observer); }
  // Acts on each recorded event after the observer, as the host's own services do (the host
  // program's department-tree service).
  void SetService(std::function<void(const HostEvent&)> service) { service_ = std::move(service); }

  // The module that Deliver talks to.
  void Attach(ITavorineModule* module) { module_ = module; }
  ITavorineModule* Module() const { return module_; }

  // Delivers a host message of category 1 to the attached module; returns the module's
  // handled flag as it wrote it into the block (0 when no module is attached).
  template <class Block>
  int Deliver(int code, Block& block) {
    if (!module_) return 0;
    size_t keptAt = keptMessages_.size();
    module_->OnHostMessage(kModuleMessageCategory, code, &block);
    if (!keepFolder_.empty()) KeepDelivered(code, &block, keptAt);
    return block.bHandled;
  }

  const std::vector<HostEvent>& Events() const { return events_; }
  std::vector<HostEvent> EventsWithCode(int code, Channel channel = Channel::kMessage) const;
  size_t CountCode(int code, Channel channel = Channel::kMessage) const;
  // The copied records of code 102 with the method, in order.
  std::vector<const void*> ConfMethodRecords(int method) const;
  // The nth (from 0) record of conference method 1, or NULL when fewer were sent.
  const ConfMethodRecord* ConfMethod1(size_t n) const;
  // The texts of the log lines (codes 20003 and 20004), GBK as sent.
  std::vector<std::string> LogLines() const;
  void Clear() { events_.clear(); }

 private:
  int Record(Channel channel, int sender, int code, void* block, int value);
  // With TAV_KEEP_HOST_INPUTS set: the delivered messages and the whiteboard records the
  // module sends, in the fuzz targets' byte forms, written to that folder when the host goes.
  // A delivered message is kept once the module has handled it, in its place before the
  // messages delivered meanwhile; a data-conference record only when the module took it (its
  // size is known only then).
  void KeepDelivered(int code, const void* block, size_t at);
  void KeepSent(int code, const void* block);

  CopierTable copiers_;
  AnswerScript answers_;
  std::function<void(const HostEvent&)> observer_;
  std::function<void(const HostEvent&)> service_;
  ITavorineModule* module_ = nullptr;
  std::vector<HostEvent> events_;
  std::string keepFolder_;
  std::string keptMessages_;
  std::string keptWbRecords_;
};

}  // namespace host
