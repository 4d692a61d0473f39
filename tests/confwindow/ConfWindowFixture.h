// The fixture of the conference-window tests: the module with its conference window and
// start window opened through host code 2, conference events delivered as host code 9, and
// readers of what the start window's information box shows.
#pragma once

#include <string>

#include "confwindow/ConfCtrlResult.h"
#include "confwindow/DlgDataConf.h"
#include "setup/DlgmmConfPreCreate.h"
#include "tests/module/ModuleFixture.h"

namespace tavtest {

// People of the default department directory (no member-right query when added) as typed,
// and as invited.
constexpr char kLiuYang[] = "80002001@ims.example.cn";
constexpr char kChenJing[] = "80002002@ims.example.cn";
constexpr char kSunLi[] = "80003001@ims.example.cn";
constexpr char kLiuYangURI[] = "sip:80002001@ims.example.cn";
constexpr char kChenJingURI[] = "sip:80002002@ims.example.cn";
constexpr char kSunLiURI[] = "sip:80003001@ims.example.cn";

// One conference-control result as the host delivers it.
struct CtrlResult {
  int detailType;
  int result = kConfResultOK;
  const char* confURI = "sip:conf001@ims.example.cn";
  const char* subject = "";
  const char* reason = "";
  int confType = 0;
  int memberCount = 0;
  int maxMembers = 0;
};

// One member of a status event: URI, ConfMemberState, id.
struct StatusMember {
  const char* uri;
  int state;
  int id;
};

class ConfWindowTest : public ModuleTest {
 protected:
  void SetUp() override;

  CDlgDataConf* Conf() { return Module()->m_pDlgDataConf; }
  CDlgmmConfPreCreate* Start() { return Module()->m_pDlgPreCreate; }

  // The user's set-up requests from the start window's pages, the host consenting (code 20032)
  // and taking each request (code 102): the page and this window then wait for the answer.
  // Create with typed members (department people: no member-right query), "创建(&O)".
  void UserCreates(std::initializer_list<const char*> members = {});
  // Join: the URI typed on the join page, "确定(&O)".
  void UserJoins(const char* uri = "sip:conf001@ims.example.cn");
  // Booking in direct mode (no server-time request), with the page's default values.
  void UserBooks();
  // While a request waits the user looks at the default settings page.
  void LookElsewhere();
  // A conference the user joined: the join request and the host's answer with the member
  // count and maximum (a count of 0 keeps the window's own).
  void JoinConference(const char* uri = "sip:conf001@ims.example.cn", int memberCount = 0, int maxMembers = 0);

  // Host code 9 with iType 1 and the record; the handled flag.
  int DeliverCtrlResult(const CtrlResult& result);
  // Host code 9 with iType 7: the members of a conference and their count, or (detail
  // kStatisConfEnded) its end.
  int DeliverStatus(int detail, const char* confURI, int memberCount = 0, int maxMembers = 0,
                    std::initializer_list<StatusMember> members = {});
  // The start window's information box: its text ("" when it is not shown) and caption.
  CString InfoText();
  CString InfoCaption();
  // Host code 102 records of method 1 with the sub-type, in order.
  std::vector<const ConfMethodRecord*> Requests(int subType);
  // The number of log lines equal to text.
  int CountLog(const std::string& text);
};

}  // namespace tavtest
