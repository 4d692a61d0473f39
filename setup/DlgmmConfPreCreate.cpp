#include "setup/DlgmmConfPreCreate.h"

#include "confwindow/DlgInfoToolTip.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageBox.h"
#include "setup/SetupIds.h"
#include "setup/mmconfCreate.h"
#include "setup/mmconfDefaultSet.h"
#include "setup/mmconfJoin.h"
#include "setup/mmconfPre.h"
#include "setup/mmconfRecordList.h"
#include "vezadazavo/VezadaZavo.h"

const char kPasswordHint[] = "注意：密码只能输入数字！";
const char kNoResourcesText[] = "系统资源不足,请关闭并重新启动客户端。";

const char CDlgmmConfPreCreate::kDefaultPassword[] = "1";

namespace {

const char kSheetSkin[] = "propsheet.skn";
const char kRecordsHint[] = "会议记录列表（双击查看详细信息）";
const UINT kWmSetIcon = 0x0080;
const WPARAM kIconSmall = 0, kIconBig = 1;
const UINT kIconModern = 766, kIconClassic = 128;

// The radio of each page, by page index.
const int kPageRadios[] = {IDC_RADIO_DEFAULT_SET, IDC_RADIO_CREATE_CONF, IDC_RADIO_PRE_CONF, IDC_RADIO_JOIN_CONF,
                           IDC_RADIO_CONF_RECORD};

// The list controls with their skin sections, and their places (pixels) in the client area.
struct ListControl {
  int id;
  const char* section;
  int x, y, cx, cy;  // cy < 0: client height + cy
};
const ListControl kListControls[] = {
    {IDC_LIST_LINE1, "static_line", 5, 154, 138, 1},
    {IDC_LIST_LINE2, "static_line", 5, 189, 138, 1},
    {IDC_RADIO_DEFAULT_SET, "radio_default_set", 8, 53, 130, 30},
    {IDC_RADIO_CREATE_CONF, "radio_create_conf", 8, 88, 130, 30},
    {IDC_RADIO_PRE_CONF, "radio_pre_conf", 8, 123, 130, 30},
    {IDC_RADIO_JOIN_CONF, "radio_join_conf", 8, 158, 130, 30},
    {IDC_RADIO_CONF_RECORD, "radio_conf_record", 8, 193, 130, 30},
    {IDC_FUNC_FRAME, "static_funclist", 4, 18, 140, -41},
};

// Creates one page; on failure the user is told and the failure logged.
template <class Page>
BOOL CreatePage(Page*& page, UINT templateId, CWnd* parent, const char* className) {
  if (page) return TRUE;
  page = new Page(parent);
  if (page->Create(templateId, parent)) return TRUE;
  delete page;
  page = nullptr;
  ReportCreateFailure(parent, className);
  return FALSE;
}

}  // namespace

void ReportCreateFailure(CWnd* owner, const char* className) {
  ::MessageBox(owner ? owner->m_hWnd : nullptr, kNoResourcesText, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
  if (CTavorineModule* module = TavorineModule()) module->WriteLog(CString(className) + " Create Failed!", 1);
}

CDlgmmConfPreCreate::CDlgmmConfPreCreate(CWnd* pParent)
    : CDialog(IDD_MMCONF_PRECREATE, pParent), m_csDefaultPassword(kDefaultPassword) {
  for (int page = kPageDefaults; page <= kPageRecords; ++page)
    MapCommand(kPageRadios[page], [this, page] { ShowPage(page); });
  MapMessage<CDlgmmConfPreCreate>(WM_PRECREATE_HIDE, &CDlgmmConfPreCreate::OnHideRequest);
}

CDlgmmConfPreCreate::~CDlgmmConfPreCreate() {
  delete m_pDefaultSet;
  m_pDefaultSet = nullptr;
  delete m_pCreate;
  m_pCreate = nullptr;
  delete m_pPre;
  m_pPre = nullptr;
  delete m_pJoin;
  m_pJoin = nullptr;
  delete m_pRecordList;
  m_pRecordList = nullptr;
  delete m_pInfoToolTip;
  m_pInfoToolTip = nullptr;
  CTavorineModule* module = TavorineModule();
  if (module && module->m_pDlgPreCreate == this) module->m_pDlgPreCreate = nullptr;
}

void CDlgmmConfPreCreate::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Radio(dx, IDC_RADIO_DEFAULT_SET, m_iCurrentPage);
}

BOOL CDlgmmConfPreCreate::OnInitDialog() {
  CDialog::OnInitDialog();
  m_hIcon = LoadIcon(nullptr, MAKEINTRESOURCE(IsNotXpToVista() ? kIconModern : kIconClassic));
  SendMessage(kWmSetIcon, kIconBig, (LPARAM)m_hIcon);
  SendMessage(kWmSetIcon, kIconSmall, (LPARAM)m_hIcon);
  CTavorineModule* module = TavorineModule();
  module->m_pDlgPreCreate = this;
  module->SkinWindow(m_hWnd, kSheetSkin, "");
  CreatePages();
  if (!m_pInfoToolTip && !CreateInfoToolTip()) return FALSE;
  SkinListControls();
  SendMessage(WM_SIZE, 0, 0);
  ShowPage(kPageCreate);
  return TRUE;
}

// The pages in their order of creation; a failure stops the pages after it.
BOOL CDlgmmConfPreCreate::CreatePages() {
  return CreatePage(m_pCreate, IDD_MMCONF_CREATE, this, "CmmconfCreate") &&
         CreatePage(m_pPre, IDD_MMCONF_PRE, this, "CmmconfPre") &&
         CreatePage(m_pJoin, IDD_MMCONF_JOIN, this, "CmmconfJoin") &&
         CreatePage(m_pRecordList, IDD_MMCONF_RECORDS, this, "CmmconfRecordList") &&
         CreatePage(m_pDefaultSet, IDD_MMCONF_DEFAULTS, this, "CmmconfDefaultSet");
}

BOOL CDlgmmConfPreCreate::CreateInfoToolTip() {
  return CreatePage(m_pInfoToolTip, IDD_INFO_TOOLTIP, this, "CDlgInfoToolTip");
}

void CDlgmmConfPreCreate::SkinListControls() {
  CTavorineModule* module = TavorineModule();
  for (const ListControl& control : kListControls) {
    CWnd* item = GetDlgItem(control.id);
    if (!item) continue;
    item->SetWindowText("");
    module->SkinWindow(item->m_hWnd, kSheetSkin, control.section);
  }
}

void CDlgmmConfPreCreate::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (!GetDlgItem(IDC_RADIO_DEFAULT_SET)) return;
  CRect client;
  GetClientRect(&client);
  for (const ListControl& control : kListControls) {
    CWnd* item = GetDlgItem(control.id);
    if (!item) continue;
    int height = control.cy < 0 ? client.Height() + control.cy : control.cy;
    item->SetWindowPos(nullptr, control.x, control.y, control.cx, height, SWP_NOZORDER);
  }
}

// ---- Pages ----

CDialog* CDlgmmConfPreCreate::Page(int nPage) const {
  switch (nPage) {
    case kPageDefaults: return m_pDefaultSet;
    case kPageCreate: return m_pCreate;
    case kPageBook: return m_pPre;
    case kPageJoin: return m_pJoin;
    case kPageRecords: return m_pRecordList;
    default: return nullptr;
  }
}

// The passwords as the page's edits show them, typed but not yet sent ones included.
BOOL CDlgmmConfPreCreate::PagePasswordsAreDefault(int nPage) const {
  switch (nPage) {
    case kPageDefaults: return m_pDefaultSet && m_pDefaultSet->PasswordEditsHold(m_csDefaultPassword);
    case kPageCreate: return m_pCreate && m_pCreate->PasswordEditsHold(m_csDefaultPassword);
    case kPageBook: return m_pPre && m_pPre->PasswordEditsHold(m_csDefaultPassword);
    default: return FALSE;
  }
}

CString CDlgmmConfPreCreate::DefaultPasswordHint() const {
  return CString(kPasswordHint) + "（当前使用系统默认密码：" + m_csDefaultPassword + "）";
}

void CDlgmmConfPreCreate::ShowPage(int nPage) {
  if (nPage < kPageDefaults || nPage > kPageRecords) nPage = kPageCreate;
  m_iCurrentPage = nPage;
  UpdateData(FALSE);
  for (int page = kPageDefaults; page <= kPageRecords; ++page)
    if (CDialog* dialog = Page(page)) dialog->ShowWindow(SW_HIDE);
  CDialog* chosen = Page(nPage);
  if (!chosen) return;
  if (nPage == kPageRecords) SetHint(kRecordsHint);
  else if (PagePasswordsAreDefault(nPage)) SetHint(DefaultPasswordHint());
  else SetHint(kPasswordHint);
  // The records page shows the saved list, however it was chosen (radio or host code 16).
  if (nPage == kPageRecords) FillRecordList();
  chosen->ShowWindow(SW_SHOWNORMAL);
}

void CDlgmmConfPreCreate::SetHint(CString csText) {
  if (!csText.IsEmpty()) SetDlgItemText(IDC_HINT, csText);
}

void CDlgmmConfPreCreate::EnablePageButtons(BOOL bEnable) {
  m_bPageButtonsEnabled = bEnable;
  struct PageButtons {
    CDialog* page;
    bool ok, cancel;
  };
  const PageButtons pages[] = {{m_pDefaultSet, false, true}, {m_pCreate, true, true}, {m_pPre, true, true},
                               {m_pJoin, true, true},        {m_pRecordList, true, false}};
  for (const PageButtons& entry : pages) {
    if (!entry.page) continue;
    if (entry.ok) entry.page->GetDlgItem(IDOK)->EnableWindow(bEnable);
    if (entry.cancel) entry.page->GetDlgItem(IDCANCEL)->EnableWindow(bEnable);
  }
}

void CDlgmmConfPreCreate::FillRecordList() {
  CTavorineModule* module = TavorineModule();
  if (!module->m_bDataConfLoaded) module->LoadDataConfFromFile();
  if (m_pRecordList && !module->m_dataConfList.IsEmpty()) m_pRecordList->Fill(module->m_dataConfList);
}

// ---- Information box ----

void CDlgmmConfPreCreate::ShowInfoToolTip(CString csTitle, CString csText) {
  if (!m_pInfoToolTip && !CreateInfoToolTip()) return;
  m_pInfoToolTip->SetWindowText(csTitle);
  m_pInfoToolTip->m_csInfo = csText;
  m_pInfoToolTip->UpdateData(FALSE);
  m_pInfoToolTip->AdjustLayout(TRUE, FALSE);
  m_pInfoToolTip->CenterWindow(this);
  m_pInfoToolTip->ShowWindow(SW_SHOW);
  m_pInfoToolTip->BringWindowToTop();
}

// ---- Hiding ----

void CDlgmmConfPreCreate::HideWindow() {
  if (m_pDefaultSet) m_pDefaultSet->LoadDefaultData();
  if (m_pCreate) m_pCreate->ResetPage();
  if (m_pJoin) m_pJoin->ResetPage();
  if (m_pPre) m_pPre->ResetPage();
  for (int page = kPageDefaults; page <= kPageRecords; ++page)
    if (CDialog* dialog = Page(page)) dialog->ShowWindow(SW_HIDE);
  if (m_pInfoToolTip) m_pInfoToolTip->ShowWindow(SW_HIDE);
  ShowWindow(SW_HIDE);
  TavorineModule()->NotifyConfState((int)(intptr_t)this);
}

LRESULT CDlgmmConfPreCreate::OnHideRequest(WPARAM wParam, LPARAM) {
  BOOL tellHost = wParam == kHideFromCancel && m_bPageButtonsEnabled;
  HideWindow();
  if (tellHost) TavorineModule()->NotifyStateChanged();
  return 0;
}

void CDlgmmConfPreCreate::CloseByUser() {
  if (!m_bPageButtonsEnabled) return;
  HideWindow();
  TavorineModule()->NotifyStateChanged();
}

void CDlgmmConfPreCreate::OnOK() {}

void CDlgmmConfPreCreate::OnCancel() { CloseByUser(); }

void CDlgmmConfPreCreate::OnClose() { CloseByUser(); }

BOOL CDlgmmConfPreCreate::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
    CloseByUser();
    return TRUE;
  }
  return CDialog::PreTranslateMessage(msg);
}
