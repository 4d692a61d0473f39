#include "setup/DlgEditNoticeNumbers.h"

#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/DataExchange.h"
#include "setup/BookPageIds.h"
#include "setup/DeleteMenu.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfPre.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kAddText[] = "添加(&A)";
const char kChangeText[] = "修改(&M)";

}  // namespace

CDlgEditNoticeNumbers::CDlgEditNoticeNumbers(CWnd* pParent) : CDialog(IDD_EDIT_NOTICE_NUMBERS, pParent) {
  MapCommand<CDlgEditNoticeNumbers>(IDC_NOTICE_ADD, &CDlgEditNoticeNumbers::OnAddOrChange);
  MapCommand<CDlgEditNoticeNumbers>(IDC_NOTICE_CLEAR, &CDlgEditNoticeNumbers::OnClear);
  MapNotify<CDlgEditNoticeNumbers>(NM_CLICK, IDC_NOTICE_LIST, &CDlgEditNoticeNumbers::OnRowChosen);
  MapNotify<CDlgEditNoticeNumbers>(NM_DBLCLK, IDC_NOTICE_LIST, &CDlgEditNoticeNumbers::OnRowChosen);
  MapNotify<CDlgEditNoticeNumbers>(NM_RCLICK, IDC_NOTICE_LIST, &CDlgEditNoticeNumbers::OnRightClick);
}

void CDlgEditNoticeNumbers::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_NOTICE_LIST, m_list);
  DDX_Text(dx, IDC_NOTICE_EMAIL, m_csEmail);
  DDV_MaxChars(dx, m_csEmail, 128);
  DDX_Text(dx, IDC_NOTICE_NAME, m_csName);
  DDV_MaxChars(dx, m_csName, 64);
  DDX_Text(dx, IDC_NOTICE_NUMBER, m_csNumber);
  DDV_MaxChars(dx, m_csNumber, 128);
  DDX_Text(dx, IDC_NOTICE_SMS, m_csSmsNumber);
  DDV_MaxChars(dx, m_csSmsNumber, 128);
  DDX_Check(dx, IDC_NOTICE_EMAIL_CHAIR, m_bEmailChair);
  DDX_Check(dx, IDC_NOTICE_SMS_CHAIR, m_bSmsChair);
}

BOOL CDlgEditNoticeNumbers::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CTavorineModule* module = TavorineModule()) module->SkinWindow(m_hWnd, "media.skn", "");
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  m_list.InsertColumn(0, "姓名", LVCFMT_LEFT, 50);
  m_list.InsertColumn(1, "号码", LVCFMT_LEFT, 120);
  m_list.InsertColumn(2, "短信号码", LVCFMT_LEFT, 140);
  m_list.InsertColumn(3, "电子邮件", LVCFMT_LEFT, 140);
  Fill();
  return TRUE;
}

CmmconfPre* CDlgEditNoticeNumbers::BookPage() {
  CTavorineModule* module = TavorineModule();
  CDlgmmConfPreCreate* start = module ? module->m_pDlgPreCreate : nullptr;
  return start ? start->m_pPre : nullptr;
}

// One row per entry, in the book page's order; a row's data is its entry's index.
void CDlgEditNoticeNumbers::Fill() {
  m_list.DeleteAllItems();
  CmmconfPre* page = BookPage();
  if (!page) return;
  const CNoticeNumberList& entries = page->NoticeEntries();
  for (int i = 0; i < entries.GetCount(); ++i) {
    int row = m_list.InsertItem(i, entries[i].csName);
    m_list.SetItemText(row, 1, entries[i].csNumber);
    m_list.SetItemText(row, 2, entries[i].csSmsNumber);
    m_list.SetItemText(row, 3, entries[i].csEmail);
    m_list.SetItemData(row, (DWORD_PTR)i);
  }
}

CString CDlgEditNoticeNumbers::Refusal(int* focusId) {
  CString number, sms, email, uri;
  GetDlgItemText(IDC_NOTICE_NUMBER, number);
  GetDlgItemText(IDC_NOTICE_SMS, sms);
  GetDlgItemText(IDC_NOTICE_EMAIL, email);
  *focusId = 0;
  if (number.IsEmpty()) return "号码不能为空！";
  if (!PreTEL_SIPnumber(number, &uri)) return "请输入正确的成员号码！";
  *focusId = IDC_NOTICE_SMS;
  if (!IsValidSmsNumber(sms)) return "请输入正确的短信号码！";
  *focusId = IDC_NOTICE_EMAIL;
  if (!IsValidEmailAddress(email)) return "请输入正确的电子邮件！";
  return CString();
}

// "添加(&A)" / "修改(&M)": the entry goes to the book page, replacing the one with the same name
// and number.
void CDlgEditNoticeNumbers::OnAddOrChange() {
  int focusId = 0;
  CString refusal = Refusal(&focusId);
  if (!refusal.IsEmpty()) {
    ShowMessage(refusal);
    // The host may close the module while the box is up: the dialog has no controls then.
    if (focusId && !WindowClosing(this)) GetDlgItem(focusId)->SetFocus();
    return;
  }
  if (!UpdateData(TRUE)) return;
  if (m_csName.IsEmpty()) m_csName = GetURIPart(m_csNumber, 1);
  if (CmmconfPre* page = BookPage())
    page->UpsertNoticeEntry(GetURIPart(m_csName, 1), m_csNumber, m_csSmsNumber, m_bSmsChair, m_csEmail,
                            m_bEmailChair);
  CString button;
  GetDlgItemText(IDC_NOTICE_ADD, button);
  if (button == kChangeText) EndChange();
  Fill();
  OnClear();
}

void CDlgEditNoticeNumbers::OnRowChosen(NMHDR*, LRESULT*) {
  int row = m_list.GetNextItem(-1, LVNI_SELECTED);
  CmmconfPre* page = BookPage();
  if (row < 0 || !page) return;
  int index = (int)m_list.GetItemData(row);
  if (index < 0 || index >= page->NoticeEntries().GetCount()) return;
  const NoticeNumber& entry = page->NoticeEntries()[index];
  m_nEditRow = row;
  m_csName = entry.csName;
  m_csNumber = entry.csNumber;
  m_csSmsNumber = entry.csSmsNumber;
  m_csEmail = entry.csEmail;
  m_bSmsChair = entry.bSmsChair;
  m_bEmailChair = entry.bEmailChair;
  UpdateData(FALSE);
  GetDlgItem(IDC_NOTICE_NAME)->EnableWindow(FALSE);
  GetDlgItem(IDC_NOTICE_NUMBER)->EnableWindow(FALSE);
  SetDlgItemText(IDC_NOTICE_ADD, kChangeText);
}

void CDlgEditNoticeNumbers::OnRightClick(NMHDR*, LRESULT*) {
  if (m_list.GetSelectedCount() == 0) return;
  if (DeleteChosenFromMenu(this)) OnDeleteRow();
}

// Deletes the first selected row's entry; the list is filled again, so every row keeps
// naming its entry.
void CDlgEditNoticeNumbers::OnDeleteRow() {
  int row = m_list.GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) return;
  if (CmmconfPre* page = BookPage()) page->RemoveNoticeEntry(m_list.GetItemText(row, 0), m_list.GetItemText(row, 1));
  Fill();
}

void CDlgEditNoticeNumbers::OnClear() {
  m_csName.Empty();
  m_csNumber.Empty();
  m_csSmsNumber.Empty();
  m_csEmail.Empty();
  m_bSmsChair = m_bEmailChair = FALSE;
  UpdateData(FALSE);
  EndChange();
}

void CDlgEditNoticeNumbers::EndChange() {
  m_nEditRow = -1;
  GetDlgItem(IDC_NOTICE_NAME)->EnableWindow(TRUE);
  GetDlgItem(IDC_NOTICE_NUMBER)->EnableWindow(TRUE);
  SetDlgItemText(IDC_NOTICE_ADD, kAddText);
}

void CDlgEditNoticeNumbers::ShowMessage(const char* text) {
  MessageBox(text, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
}
