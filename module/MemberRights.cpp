// Checks before a member is added, and directory queries of the set-up trees.
#include "common/FixedText.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/Tick.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Wnd.h"
#include "protocol/HostBlocks.h"
#include "setup/DlgMemberRightQuery.h"
#include "setup/DlgmmConfPreCreate.h"

namespace {

const DWORD kDeptQueryInterval = 1000;

}  // namespace

BOOL CTavorineModule::BeforeAddMemberRightCheck(CString number, CWnd* parent) {
  if (IsClosing()) return FALSE;  // no host to answer any more
  CString converted;
  if (CommaConvertPre(number, &converted, 1)) number = converted;
  CString address;
  if (PreTEL_SIPnumber(number, &address)) number = address;
  CommaConvertSuf(&number, 1);
  if (FindDeptPhoneBook(number) || FindDeptPhoneBookSearch(number)) return TRUE;
  PHONEBOOK_INFO* entry = FindPhoneBookByURI(number);
  if (entry && entry->iRightFlag == 1) return TRUE;

  // The host answers with code 17 while the query dialog runs, possibly within the query
  // itself: the query goes out once the dialog exists.
  if (!parent) parent = InConference() ? (CWnd*)m_pDlgDataConf : (CWnd*)m_pDlgPreCreate;
  CDlgMemberRightQuery dialog(parent);
  dialog.m_sendQuery = [this, &number] {
    HostMemberRightQueryBlock query{};
    CopyField(query.szNumber, number);
    SendEvent(kHostMemberRightQuery, &query);
  };
  return RunPopupDialog(dialog) == IDOK;
}

BOOL CTavorineModule::bIMSGetDeptAddrList(CString uri, int nType, int nDlgType, HTREEITEM item) {
  DWORD now = GetTickCount();
  if (m_bDeptQueried && now - m_dwLastDeptQuery < kDeptQueryInterval) {
    ::MessageBox(GetMainHwnd(), "查询过快！", GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
    return FALSE;
  }
  m_bDeptQueried = TRUE;
  m_dwLastDeptQuery = now;
  HostDeptAddrListBlock block{uri, nType, nDlgType, item};
  SendEvent(kHostDeptAddrList, &block);
  return TRUE;
}
