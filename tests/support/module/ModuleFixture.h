// The fixture of the module tests: a fresh desktop, virtual clock and recording host
// (HostTest), the VezadaZavo default data set with the user's folder in a fresh temporary
// directory, and the one module object attached to the host.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "host/recording/RecordingHost.h"
#include "module/TavorineModule.h"
#include "tests/support/HostFixture.h"

namespace tavtest {

// One member of a status event: URI, ConfMemberState, id.
struct StatusMember {
  const char* uri;
  int state;
  int id;
};

class ModuleTest : public HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The module created through the export's path, attached to host.
  CTavorineModule* Module() { return module_; }
  // A conference window that runs the conference uri, set up directly (the traffic of making
  // the window is cleared): for what no flow reaches, such as a conference in a closed module.
  // A test that needs the user's conference joins it (JoinConference, AcceptInvitation).
  CDlgDataConf* StartConference(const char* uri = "sip:conf001@ims.example.cn");
  // Delivers conference event 1 (a conference-control result) with its detail type, URI, kind,
  // result code and sub-conference id; returns the handled flag.
  int DeliverConfResult(int detail, const char* uri, int kind, int result = 0, const char* subConfID = "");
  // The user joins the conference uri from the start window's join page (the host shows the
  // user interface with code 2 first when it is not on screen), the host consenting (code 20032)
  // and taking the request (code 102).
  void UserJoins(const char* uri = "sip:conf001@ims.example.cn");
  // A conference the user joined: the join and the host's answer (conference event 1, detail
  // type 7) with the member count and maximum (0 keeps the window's own), the conference type
  // and the sub-conference id; the traffic is cleared.
  CDlgDataConf* JoinConference(const char* uri = "sip:conf001@ims.example.cn", int memberCount = 0,
                               int maxMembers = 0, int confType = 0, const char* subConfID = "");
  // A conference the user entered by accepting the host's invitation to it (conference event 1,
  // detail type kDetailConfInvite; the user presses "加入" in the invitation dialog), with the
  // member count and maximum; the traffic is cleared.
  CDlgDataConf* AcceptInvitation(const char* uri = "sip:conf001@ims.example.cn", int memberCount = 0,
                                 int maxMembers = 0);
  // Host code 9 with iType 7: the members of a conference and their count, or (detail
  // kStatisConfEnded) its end.
  int DeliverStatus(int detail, const char* confURI, int memberCount = 0, int maxMembers = 0,
                    std::initializer_list<StatusMember> members = {});
  // The user right-clicks a whiteboard surface at `at` and chooses `command`; while the dialog
  // the command opens runs, the host closes the module. Answers whether the close came.
  bool CloseModuleInsideContextCommand(HWND surface, POINT at, UINT command);
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
