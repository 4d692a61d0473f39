// The fixture of the set-up tests: the module fixture with the conference user interface
// opened by the host (code 2), and the user's ways into its windows.
#pragma once

#include <string>
#include <vector>

#include "confwindow/DlgDataConf.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfCreate.h"
#include "setup/mmconfJoin.h"
#include "tests/support/module/ModuleFixture.h"

namespace tavtest {

class SetupTest : public ModuleTest {
 protected:
  void SetUp() override;

  // Delivers host code 2 and returns the start window.
  CDlgmmConfPreCreate* OpenUI();
  CDlgmmConfPreCreate* Start() { return Module()->m_pDlgPreCreate; }
  CmmconfCreate* CreatePage() { return Start()->m_pCreate; }
  CmmconfJoin* JoinPage() { return Start()->m_pJoin; }
  CDlgDataConf* Conf() { return Module()->m_pDlgDataConf; }

  // Replaces the text of a control as a paste would, and types into it as the user does.
  void SetField(CWnd* page, int id, const char* text);
  void TypeField(CWnd* page, int id, const char* text);
  bool Click(CWnd* page, int id);
  CString ItemText(CWnd* window, int id);
  CString Hint() { return ItemText(Start(), IDC_HINT); }
  bool Visible(CWnd* window) { return window && ::IsWindowVisible(window->m_hWnd); }
  bool Enabled(CWnd* page, int id) { return ::IsWindowEnabled(::GetDlgItem(page->m_hWnd, id)); }

  // The texts of the message boxes shown so far.
  std::vector<std::string> Boxes();
  // The conference-method-1 records sent so far.
  size_t Method1Count() { return Host().ConfMethodRecords(1).size(); }
  // The host's answer to code 20032 (non-zero lets a conference operation start).
  void HostAllows(int answer) { Host().Answers().Set(host::Channel::kMessage, kHostMayStartConfOp, answer); }
  // The host's result for conference-control requests (code 102).
  void HostTakesRequests(int result) { Host().Answers().Set(host::Channel::kMessage, kHostConfMethod, result); }
  // The user adds n members by typing them into a page's number entry, a few at a time with
  // ";" between them, and pressing "添加(&I)". Each number is made from format and its index
  // and is a person of a loaded department, so no member-right query runs.
  void TypeMembers(CWnd* page, int n, const char* format = "9%03d@ims.example.cn");
  // The conference defaults an earlier run saved ("mmc_dfs.dat" in the user's folder, the same
  // password for chair, members and visitors); the start window reads them when the host first
  // opens the user interface.
  void SavedDefaults(const char* subject, int maxnum, int period, int remaintime, const char* pwd);
  // The user saves conference defaults on the defaults page (the create and book pages take
  // them), then returns to the create page.
  void SetDefaults(const char* subject, int maxnum, int period, int remaintime, const char* pwd);
};

}  // namespace tavtest
