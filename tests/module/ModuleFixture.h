// The fixture of the module tests: a fresh desktop, virtual clock and recording host
// (HostTest), the VezadaZavo default data set with the user's folder in a fresh temporary
// directory, and the one module object attached to the host.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "host/RecordingHost.h"
#include "module/TavorineModule.h"
#include "tests/support/HostFixture.h"

namespace tavtest {

class ModuleTest : public HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The module created through the export's path, attached to host.
  CTavorineModule* Module() { return module_; }
  // A conference window that runs the conference uri (the traffic of making the window is
  // cleared).
  CDlgDataConf* StartConference(const char* uri = "sip:conf001@ims.example.cn");
  // Delivers conference event 1 (a conference-control result) with its detail type, URI, kind,
  // result code and sub-conference id; returns the handled flag.
  int DeliverConfResult(int detail, const char* uri, int kind, int result = 0, const char* subConfID = "");
  std::string UserPath() const { return userPath_; }

 private:
  std::string userPath_;
  CTavorineModule* module_ = nullptr;
};

// One expected call to the host, as in a table of expected traffic.
struct Traffic {
  host::Channel channel;
  int code;
};
constexpr host::Channel kMsg = host::Channel::kMessage;
constexpr host::Channel kReq = host::Channel::kRequest;

// Checks the host's recorded calls, log lines left out, against the table in order.
void ExpectTraffic(const host::RecordingHost& host, const std::vector<Traffic>& expected);

}  // namespace tavtest
