// The assistance bar: session state, the peer text and the bar's placement on the work area.
#include "setup/DlgVNCTip.h"

#include <algorithm>

#include "common/ConfMethodRecord.h"
#include "module/TavorineModule.h"
#include "platform/Time.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowSurface.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/PeerText.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kBarSkin[] = "media.skn";
constexpr int kPlainWidth = 400;
constexpr int kPlainHeight = 30;
constexpr int kPlainTop = 40;   // the bar without a peer sits this far below the work area's top
constexpr int kFixedWidth = 213;  // the bar's width without the peer text
constexpr int kClientHeight = 28;

RECT BarWorkArea() {
  RECT area{};
  if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0))
    area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return area;
}

}  // namespace

CDlgVNCTip::CDlgVNCTip(CWnd* pParent) : CDialog(IDD_VNC_TIP, pParent) {
  MapCommand(ID_VNC_END_ASSIST, &CDlgVNCTip::OnEndAssist);
  MapCommand(IDC_VNC_TIP_END, &CDlgVNCTip::OnEndAssist);
  MapCommand(ID_VNC_OPEN, &CDlgVNCTip::OnOpen);
  MapCommand(ID_VNC_HIDE, [this] { ShowWindow(SW_HIDE); });
  MapCommandRange(ID_VNC_ALPHA_NONE, ID_VNC_ALPHA_80, [this](UINT id) { OnTransparency(id); });
}

CDlgVNCTip::~CDlgVNCTip() {
  if (m_hWnd) DestroyWindow();
}

CDlgVNCTip* CDlgVNCTip::CreateBar() {
  CDlgVNCTip* bar = new CDlgVNCTip(nullptr);
  if (bar->Create(IDD_VNC_TIP, nullptr)) return bar;
  delete bar;
  ReportCreateFailure(nullptr, "CDlgVNCTip");
  return nullptr;
}

BOOL CDlgVNCTip::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CTavorineModule* module = TavorineModule()) module->SkinWindow(m_hWnd, kBarSkin, "");
  m_hTrayIcon = LoadIcon(nullptr, MAKEINTRESOURCE(IDI_VNC_TIP));
  GetWindowText(m_csTitle);
  ModifyStyleEx(0, WS_EX_LAYERED);
  PlaceBar();
  SetAlpha(255);
  return TRUE;
}

// The bar stays until the module deletes it; Enter changes nothing.
void CDlgVNCTip::OnOK() {}

void CDlgVNCTip::OnClose() { ShowWindow(SW_HIDE); }

void CDlgVNCTip::OnDestroy() {
  if (m_bIconShown) TrayIcon(kTrayDelete, m_csTitle);
  CDialog::OnDestroy();
}

void CDlgVNCTip::BeginAssist(int nSide, CString csPeerURI) {
  m_bInAssist = TRUE;
  m_nSide = nSide;
  m_csPeerURI = csPeerURI;
  SetPeerText(PeerDisplayText(csPeerURI));
  if (nSide) {
    PlaceBar();
    ShowBar(TRUE, TRUE);
  } else {
    ShowBar(FALSE, FALSE);
  }
  EnableEndButton(TRUE);
  if (CTavorineModule* module = TavorineModule()) module->BeginDataSession();
}

// Whichever side ends it, the assistance is no session of the module any more.
void CDlgVNCTip::EndAssist() {
  CTavorineModule* module = TavorineModule();
  if (module && !m_csPeerURI.IsEmpty()) module->RemoveP2PSession(m_csPeerURI, kP2PAssist);
  m_bInAssist = FALSE;
  m_nSide = 0;
  m_csPeerURI.Empty();
  if (module) module->EndDataSession();
  ShowBar(FALSE, FALSE);
}

void CDlgVNCTip::OnEndAssist() {
  if (!m_bInAssist) return;
  CConfMethodRecordPtr record;
  BuildConfLeave(*record, m_csPeerURI);
  bIMSConfMethod(1, record.get());
  if (CTavorineModule* module = TavorineModule()) module->SetP2PBusy(FALSE);
  SetCurrentRClickTime(CTime::GetCurrentTime());
  EndAssist();
}

void CDlgVNCTip::ShowBar(BOOL bShow, BOOL bIcon) {
  if (bShow)
    OnOpen();
  else
    ShowWindow(SW_HIDE);
  TrayIcon(bIcon ? kTrayAdd : kTrayDelete, m_csTitle);
}

void CDlgVNCTip::OnOpen() {
  PlaceBar();
  ShowWindow(SW_SHOW);
}

void CDlgVNCTip::SetPeerText(CString text) { SetDlgItemText(IDC_VNC_TIP_PEER, text); }

void CDlgVNCTip::EnableEndButton(BOOL enable) {
  if (CWnd* button = GetDlgItem(IDC_VNC_TIP_END)) button->EnableWindow(enable);
}

int CDlgVNCTip::TextWidthInChars(const CString& text) {
  int narrow = 0;
  int wide = 0;
  for (int i = 0; i < text.GetLength(); ++i) {
    signed char byte = (signed char)text[i];
    if (byte >= 0x20 && byte <= 0x7A) {
      ++narrow;
    } else {
      ++wide;
      ++i;
    }
  }
  return narrow + 2 * wide;
}

void CDlgVNCTip::PlaceBar() {
  if (!m_csPeerURI.IsEmpty()) {
    FitToText();
    return;
  }
  RECT work = BarWorkArea();
  SetWindowPos(&wndTopMost, (work.right - work.left - kPlainWidth) / 2, work.top + kPlainTop, kPlainWidth,
               kPlainHeight, SWP_SHOWWINDOW);
}

int CDlgVNCTip::CharWidth() const {
  CWnd* peer = GetDlgItem(IDC_VNC_TIP_PEER);
  CClientDC dc(peer);
  TEXTMETRIC metrics{};
  dc.GetTextMetrics(&metrics);
  return std::max<int>(1, metrics.tmAveCharWidth - 1);
}

void CDlgVNCTip::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  FitToText();
}

// Sizes the bar to the peer text and centres it at the top of the work area. Moving the bar
// sends WM_SIZE again, which lands here once more with nothing left to change.
void CDlgVNCTip::FitToText() {
  CWnd* peer = GetDlgItem(IDC_VNC_TIP_PEER);
  if (!peer || m_bFitting) return;
  m_bFitting = true;
  CString text;
  peer->GetWindowText(text);
  const int textWidth = TextWidthInChars(text) * CharWidth();
  const int width = textWidth + kFixedWidth;
  const int height = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) + kClientHeight;
  RECT work = BarWorkArea();
  SetWindowPos(&wndTopMost, (work.right - work.left - width) / 2, work.top, width, height, SWP_SHOWWINDOW);
  RECT client;
  GetClientRect(&client);
  auto place = [this](int id, int x, int y, int cx, int cy) {
    if (CWnd* item = GetDlgItem(id)) item->MoveWindow(x, y, cx, cy, FALSE);
  };
  place(IDC_VNC_TIP_HEAD, client.left + 5, client.top + 8, 50, 21);
  place(IDC_VNC_TIP_PEER, client.left + 60, client.top + 8, textWidth, 21);
  place(IDC_VNC_TIP_TAIL, client.left + 60 + textWidth, client.top + 8, 108, 21);
  place(IDC_VNC_TIP_END, client.right - 35, client.top + 4, 30, 21);
  Invalidate();
  UpdateWindow();
  m_bFitting = false;
}
