// The fixture of the conference-window tests: the module with its conference window and
// start window opened through host code 2, conference events delivered as host code 9, and
// readers of what the start window's information box shows.
#pragma once

#include <string>

#include "confwindow/DlgDataConf.h"
#include "protocol/ConfCtrlResult.h"
#include "setup/DlgmmConfPreCreate.h"
#include "tests/support/module/ModuleFixture.h"

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

class ConfWindowTest : public ModuleTest {
 protected:
  void SetUp() override;

  CDlgDataConf* Conf() { return Module()->m_pDlgDataConf; }
  CDlgmmConfPreCreate* Start() { return Module()->m_pDlgPreCreate; }

  // The user's set-up requests from the start window's pages, the host consenting (code 20032)
  // and taking each request (code 102): the page and this window then wait for the answer.
  // Create with typed members (department people: no member-right query), "创建(&O)".
  void UserCreates(std::initializer_list<const char*> members = {});
  // Booking in direct mode (no server-time request), with the page's default values.
  void UserBooks();
  // While a request waits the user looks at the default settings page.
  void LookElsewhere();

  // Host code 9 with iType 1 and the record; the handled flag.
  int DeliverCtrlResult(const CtrlResult& result);
  // The start window's information box: its text ("" when it is not shown) and caption.
  CString InfoText();
  CString InfoCaption();
  // Host code 102 records of method 1 with the sub-type, in order.
  std::vector<const ConfMethodRecord*> Requests(int subType);
  // The number of log lines equal to text.
  int CountLog(const std::string& text);
};

}  // namespace tavtest
