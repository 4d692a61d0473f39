#include "setup/DlgSelectReceiver.h"

#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageBox.h"
#include "setup/MemberIds.h"
#include "vezadazavo/VezadaZavo.h"

CDlgSelectReceiver::CDlgSelectReceiver(CWnd* parent) : CDialog(IDD_SELECT_RECEIVER, parent) {
  MapNotify<CDlgSelectReceiver>(NM_DBLCLK, IDC_RECEIVER_LIST, &CDlgSelectReceiver::OnDblclkList);
  // The list is not sorted: a column click is only reported as handled.
  MapNotify(LVN_COLUMNCLICK, IDC_RECEIVER_LIST, [](NMHDR*, LRESULT* result) { *result = 0; });
}

void CDlgSelectReceiver::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_RECEIVER_LIST, m_list);
}

BOOL CDlgSelectReceiver::OnInitDialog() {
  CDialog::OnInitDialog();
  TavorineModule()->SkinWindow(m_hWnd, "media.skn", "");
  m_imageList.Create(IDB_DEPT_ICONS, 17, 1, RGB(255, 255, 255));
  m_list.SetImageList(&m_imageList, LVSIL_SMALL);
  m_list.InsertColumn(0, "好友呢称", LVCFMT_CENTER, 100);
  m_list.InsertColumn(1, "好友帐号", LVCFMT_LEFT, 150);
  FillList();
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  if (m_bMultiSelect) {
    m_list.ModifyStyle(LVS_SINGLESEL, 0);
    SetDlgItemText(IDC_RECEIVER_HINT, "提示:按住Ctrl或Shift键选择多个联系人");
  } else {
    m_list.ModifyStyle(0, LVS_SINGLESEL);
    SetDlgItemText(IDC_RECEIVER_HINT, "提示：不允许多选！");
  }
  return TRUE;
}

// One row per address of a contact; the contact's name only in its first row.
void CDlgSelectReceiver::FillList() {
  const std::vector<PHONEBOOK_INFO>* book = GetPhoneBooks();
  if (!book) return;
  for (const PHONEBOOK_INFO& entry : *book) {
    CString address = GetURIPart(entry.csSipURI, 0);
    if (address.IsEmpty() && entry.csPhone1.IsEmpty() && entry.csPhone2.IsEmpty()) continue;
    CString name = entry.csName.IsEmpty() ? GetURIPart(entry.csSipURI, 1) : entry.csName;
    CString phone1 = m_bWholeNumber ? GetWholePhoneNumber_Zero(entry.csPhone1) : entry.csPhone1;
    CString phone2 = m_bWholeNumber ? GetWholePhoneNumber_Zero(entry.csPhone2) : entry.csPhone2;
    CString phone3 = entry.csPhone3;
    for (const CString* number : {&address, &phone3, &phone1, &phone2}) {
      if (number->IsEmpty()) continue;
      AddRow(name, *number);
      name.Empty();
    }
  }
}

void CDlgSelectReceiver::AddRow(const CString& name, const CString& address) {
  int row = m_list.InsertItem(m_list.GetItemCount(), name);
  m_list.SetItemText(row, 1, address);
}

CString CDlgSelectReceiver::RowName(int row) const {
  for (; row >= 0; --row) {
    CString name = m_list.GetItemText(row, 0);
    if (!name.IsEmpty()) return name;
  }
  return CString();
}

CString CDlgSelectReceiver::RowAddress(int row) const {
  CString address;
  PreTEL_SIPnumber(m_list.GetItemText(row, 1), &address);
  return address.IsEmpty() ? address : GetURIPart(address, 0);
}

void CDlgSelectReceiver::OnOK() {
  m_csNumbers.Empty();
  m_csNames.Empty();
  int accepted = 0;
  POSITION pos = m_list.GetFirstSelectedItemPosition();
  while (pos) {
    int row = m_list.GetNextSelectedItem(pos);
    CString address = RowAddress(row);
    if (address.IsEmpty()) continue;
    if (++accepted > 1) {
      if (!m_bMultiSelect) {
        ::MessageBox(m_hWnd, "不允许多选！", GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
        return;
      }
      m_csNumbers += ",";
      m_csNames += ",";
    }
    m_csNumbers += address;
    m_csNames += RowName(row);
  }
  EndDialog(IDOK);
}

void CDlgSelectReceiver::OnDblclkList(NMHDR*, LRESULT*) {
  POSITION pos = m_list.GetFirstSelectedItemPosition();
  if (!pos) return;
  int row = m_list.GetNextSelectedItem(pos);
  m_csNumbers = RowAddress(row);
  m_csNames = RowName(row);
  EndDialog(IDOK);
}
