#include "setup/DlgPtopInvite.h"

#include "common/ConfMethodRecord.h"
#include "module/TavorineModule.h"
#include "platform/Time.h"
#include "platform/ui/DataExchange.h"
#include "protocol/HostBlocks.h"
#include "res/InviteTemplates.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kSkinFile[] = "media.skn";
const char kRingingCaption[] = "被叫振铃";

// The ringing window's place and size, in pixels.
const int kRingLeft = 400, kRingTop = 200, kRingWidth = 250, kRingHeight = 100;

// Host code 108 carries its value in place of a block: 0 the window is shown, 1 it is closed.
void ReportWindowClosed() {
  if (CTavorineModule* module = TavorineModule()) module->SendEvent(kHostP2PInviteWindow, (void*)(intptr_t)1);
}

void WriteLog(const CString& text) {
  if (CTavorineModule* module = TavorineModule()) module->WriteLog(text, 1);
}

// Destroys, deletes and unlinks the entry at index.
void DestroyEntry(CArray<CDlgPtopInvite*>& list, int index) {
  CDlgPtopInvite* window = list[index];
  list.RemoveAt(index);
  window->DestroyWindow();
  delete window;
}

// The window itself, found in the list by pointer.
void DestroyListed(CArray<CDlgPtopInvite*>& list, CDlgPtopInvite* window) {
  for (int i = 0; i < list.GetSize(); ++i) {
    if (list[i] != window) continue;
    DestroyEntry(list, i);
    return;
  }
}

}  // namespace

CDlgPtopInvite::CDlgPtopInvite(CWnd* pParent) : CDialog(IDD_PTOP_INVITE, pParent) {
  RegisterInviteResources();
  MapCommand(IDC_PTOP_RING_CANCEL, [this] { OnClose(); });
}

CDlgPtopInvite::~CDlgPtopInvite() { ReportWindowClosed(); }

CString CDlgPtopInvite::KindText(int kind) {
  switch (kind) {
    case kP2PAssist: return "点对点请求协助";
    case kP2PWhiteboard: return "点对点白板";
    case kPtopCall: return "点对点呼叫";
    default: return CString();
  }
}

void CDlgPtopInvite::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Text(dx, IDC_PTOP_TYPE, m_csInviteType);
  DDX_Text(dx, IDC_PTOP_FROM, m_csInviteFrom);
}

BOOL CDlgPtopInvite::OnInitDialog() {
  CDialog::OnInitDialog();
  if (CTavorineModule* module = TavorineModule()) module->SkinWindow(m_hWnd, kSkinFile, "");
  return TRUE;
}

void CDlgPtopInvite::SetInviteType(CString kindText, int kind) {
  m_csInviteType = kindText;
  m_nInviteType = kind;
}

void CDlgPtopInvite::SetInviteFrom(CString inviter) {
  m_csInviteFrom = inviter;
  UpdateData(FALSE);
}

// Esc never closes the window.
BOOL CDlgPtopInvite::PreTranslateMessage(MSG* msg) {
  if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return TRUE;
  return CDialog::PreTranslateMessage(msg);
}

void CDlgPtopInvite::ShowInviteControls(BOOL show) {
  if (!GetDlgItem(IDC_PTOP_TYPE)) return;
  const int inviteIds[] = {IDC_PTOP_TYPE, IDC_PTOP_FROM, IDC_PTOP_TYPE_LABEL, IDC_PTOP_FROM_LABEL, IDOK, IDCANCEL};
  const int ringIds[] = {IDC_PTOP_RING_TEXT, IDC_PTOP_RING_CANCEL};
  for (int id : inviteIds)
    if (CWnd* item = GetDlgItem(id)) item->ShowWindow(show ? SW_SHOW : SW_HIDE);
  for (int id : ringIds)
    if (CWnd* item = GetDlgItem(id)) item->ShowWindow(show ? SW_HIDE : SW_SHOW);
}

void CDlgPtopInvite::RingCome(CString szName, int szType) {
  if (szName.IsEmpty()) {
    WriteLog("CDlgPtopInvite::RingCome(szName = )");
    return;
  }
  CString kindText = KindText(szType);
  if (kindText.IsEmpty()) {
    CString line;
    line.Format("CDlgPtopInvite::RingCome(szType = %d)", szType);
    WriteLog(line);
    return;
  }
  m_nInviteType = szType;
  m_bRinging = TRUE;
  // The session being set up names the kind, whatever the event said.
  if (CTavorineModule* module = TavorineModule()) {
    if (module->bP2PSessionExist(kAnyPeerURI, kP2PWhiteboard))
      kindText = KindText(kP2PWhiteboard);
    else if (module->bP2PSessionExist(kAnyPeerURI, kP2PAssist))
      kindText = KindText(kP2PAssist);
  }
  ShowInviteControls(FALSE);
  SetWindowText(kRingingCaption);
  LayOutRinging(szName, kindText);
}

void CDlgPtopInvite::LayOutRinging(const CString& szName, const CString& kindText) {
  CWnd* text = GetDlgItem(IDC_PTOP_RING_TEXT);
  if (!text) return;
  SetWindowPos(nullptr, kRingLeft, kRingTop, kRingWidth, kRingHeight, SWP_NOZORDER);
  RECT client;
  GetClientRect(&client);
  text->MoveWindow(client.left + 15, client.top + 10, client.right - 20, client.bottom - 32);
  CString line;
  line.Format("%s收到您的%s邀请振铃中...", (const char*)szName, (const char*)kindText);
  text->SetWindowText(line);
  if (CWnd* cancel = GetDlgItem(IDC_PTOP_RING_CANCEL)) cancel->MoveWindow(client.right - 55, client.bottom - 22, 50, 21);
}

void CDlgPtopInvite::CloseDown() {
  GetUserData()->m_bInvitePending = FALSE;
  ReportWindowClosed();
  ShowWindow(SW_HIDE);
}

void CDlgPtopInvite::OnOK() {
  CloseDown();
  CTavorineModule* module = TavorineModule();
  // A ringing window stays hidden in its list: Enter must not withdraw the call.
  if (m_bRinging || !module) return;
  module->AnswerP2PInvite(kP2PAccept, this);
  DestroyListed(module->m_aInviteDlgs, this);  // may delete this
}

void CDlgPtopInvite::OnCancel() { OnClose(); }

void CDlgPtopInvite::OnClose() {
  CloseDown();
  CTavorineModule* module = TavorineModule();
  if (!module) return;
  if (m_bRinging) {
    WithdrawRingingCall();  // may delete this
  } else {
    module->AnswerP2PInvite(kP2PRefuse, this);
    DestroyListed(module->m_aInviteDlgs, this);  // may delete this
  }
  module->NotifyStateChanged();
}

// The caller gives up: leave the session being set up and drop the ringing window of that peer.
void CDlgPtopInvite::WithdrawRingingCall() {
  CTavorineModule* module = TavorineModule();
  const CString peer = m_csPeerURI;
  CConfMethodRecordPtr record;
  BuildConfLeave(*record, peer);
  bIMSConfMethod(1, record.get());
  module->SetP2PBusy(FALSE);
  module->RemoveP2PSession(peer, kAnyP2PType);
  SetCurrentRClickTime(CTime::GetCurrentTime());
  CArray<CDlgPtopInvite*>& rings = module->m_aRingDlgs;
  for (int i = 0; i < rings.GetSize(); ++i) {
    if (rings[i]->GetPeerURI() != peer) continue;
    DestroyEntry(rings, i);
    return;
  }
}
