// The conference window's handling of an invitation to a conference (conference event
// iType 1, detail type kDetailConfInvite): fills and runs the invitation dialog, answers with
// conference method 1 sub-type 3 and, on join, takes over the conference.
#include "confwindow/DlgDataConf.h"

#include "common/ConfMethodRecord.h"
#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "protocol/HostBlocks.h"
#include "setup/DlgInviteReceived.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/PeerText.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const DWORD kRaiseWaitMs = 50;
const DWORD kAutoAcceptWaitMs = 2000;
const int kNoAnswer = -1;
const int kBackgroundSoundMethod = 11;
// "数据综合会议": the conference type that carries the data-conference features.
const int kDataConfType = 5;

// The invitation sits in the module's pop-up slot from the raise of the main window until it
// is answered: by the user or, with auto-accept, by the end of the wait.
int AwaitInviteAnswer(CTavorineModule& module, CDialog& dialog, const CPellUser& user) {
  CTavorineModule::PopupSlot slot(module, dialog);
  if (HWND main = module.GetMainHwnd()) ::BringWindowToTop(main);
  WaitWithMessages(kRaiseWaitMs, nullptr, nullptr);
  module.SendEvent(kHostInviteShowing, nullptr);
  if (!user.m_bAutoAccept) return (int)dialog.DoModal();
  module.WriteLog("AutoAccept Conference Invite!", 1);
  WaitWithMessages(kAutoAcceptWaitMs, nullptr, nullptr);
  return IDOK;
}

}  // namespace

CString CDlgDataConf::SubConfTypeName(int iType) {
  switch (iType) {
    case kSubConfAudio: return "音频";
    case kSubConfVideo: return "视频";
    case kSubConfAppShare: return "应用共享";
    case kSubConfWhiteboard: return "白板";
    case kSubConfDocShare: return "文档共享";
    case kSubConfWebShare: return "网页共享";
    case kSubConfFileTransfer: return "文件传输";
    case kSubConfVote: return "投票";
    case kSubConfRaiseHand: return "举手";
    case kSubConfAgenda: return "议程";
    case kSubConfShareSpace: return "共享空间";
    default: return CString();
  }
}

// The invitation's types joined with "+"; types without a name are left out.
CString CDlgDataConf::InviteTypeText(const confCtrlResult& invite) {
  int count = invite.iTypeCount;
  if (count < 0) count = 0;
  if (count > kConfCtrlTypeCapacity) count = kConfCtrlTypeCapacity;  // a hostile count
  CString text;
  for (int i = 0; i < count; ++i) {
    const int type = invite.aiTypes[i];
    const CString name = type == kDataConfType ? CString("数据综合会议") : SubConfTypeName(type);
    if (name.IsEmpty()) continue;
    if (!text.IsEmpty()) text += "+";
    text += name;
  }
  return text;
}

// The creator from the chair URI: "无主席" without a user part; the phone-book name; else the
// user part with the URI in parentheses (and, when the client lets the host resolve caller
// names, the host is asked for it).
CString CDlgDataConf::InviteCreatorText(const CString& chairURI) {
  const CString user = GetURIPart(chairURI, 1);
  if (user.IsEmpty()) return "无主席";
  const CString name = GetUserNameByPhone(chairURI, 0, 1);
  if (name != user) return WithoutPauses(name);
  if (GetGetCallerNameType() == 3)
    if (CTavorineModule* module = TavorineModule()) module->SendEvent(kHostResolveName, (void*)(const char*)chairURI);
  return WithoutPauses(user) + "(" + WithoutPauses(GetURIPart(chairURI, 0)) + ")";
}

// One invitation is handled at a time: the handler waits for its answer while host calls go
// on. A second invitation meanwhile is refused (one to the same conference is left to the
// first), so that no answer is lost and the user never joins two conferences.
void CDlgDataConf::OnInviteReceived(const confCtrlResult& invite) {
  CTavorineModule* module = TavorineModule();
  if (!module) return;
  const CString confURI = RecordText(invite.szConfURI);
  if (m_pInviteDlg) {
    WriteLog("CDlgDataConf::OnInviteReceived(an invitation is already on screen: " + confURI + ")\n");
    if (confURI != m_csInviteConfURI) AnswerInvitation(invite, 0);
    return;
  }
  CDlgInviteReceived dialog(module->GetMainWnd());
  dialog.m_csConfURI = GetURIPart(confURI, 0);
  dialog.m_csSubject = RecordText(invite.szSubject);
  dialog.m_csCreator = InviteCreatorText(RecordText(invite.szChairURI));
  dialog.m_csConfType = InviteTypeText(invite);

  CPellUser* user = GetUserData();
  user->m_bInvitePending = TRUE;
  module->SendEvent(kHostInviteComing, nullptr);
  m_pInviteDlg = &dialog;
  m_csInviteConfURI = confURI;
  m_bInviteDropped = FALSE;
  int result = AwaitInviteAnswer(*module, dialog, *user);
  // Its conference ended, or the module closed, meanwhile: nothing to answer, nothing to join.
  if (m_bInviteDropped) result = kNoAnswer;
  if (result == IDCANCEL) {
    AnswerInvitation(invite, 0);
    module->NotifyStateChanged();
  } else if (result == IDOK) {
    TakeOverInvitedConference(invite);
    AnswerInvitation(invite, 1);
  }
  m_pInviteDlg = nullptr;
  m_csInviteConfURI.Empty();
  user->m_bInvitePending = FALSE;
}

void CDlgDataConf::AnswerInvitation(const confCtrlResult& invite, int iAnswer) {
  CConfMethodRecordPtr record;
  BuildConfAnswer(*record, RecordText(invite.szConfURI), invite.iConfType, iAnswer);
  bIMSConfMethod(1, record.get());
}

// The user chose to join the invited conference: a conference still running is left first
// (sub-type 5 for it), so that the server does not keep the user in both.
void CDlgDataConf::TakeOverInvitedConference(const confCtrlResult& invite) {
  if (m_bInConf && m_csConfURI != RecordText(invite.szConfURI)) LeaveConference();
  BeginFromResult(invite, TRUE);
  if (!GetHaveGetBKSound()) {
    bIMSConfMethod(kBackgroundSoundMethod, nullptr);
    SetHaveGetBKSound(1);
  }
  CDlgmmConfPreCreate* start = StartWindow();
  if (start && start->GetSafeHwnd() && ::IsWindowVisible(start->m_hWnd))
    start->PostMessage(WM_PRECREATE_HIDE, kHideAfterSuccess, 0);
}

void CDlgDataConf::DropInvitation() {
  if (!m_pInviteDlg) return;
  m_bInviteDropped = TRUE;
  CloseInviteDialog(FALSE);
}

// The conference ended while its invitation is up. bAnswer FALSE: the dialog ends with -1 and
// nothing is sent; TRUE: it ends as a refusal.
void CDlgDataConf::CloseInviteDialog(BOOL bAnswer) {
  if (!m_pInviteDlg || !m_pInviteDlg->GetSafeHwnd()) return;
  if (!bAnswer) m_pInviteDlg->m_bAnswerAllowed = 0;
  m_pInviteDlg->SendMessage(WM_CLOSE, 0, 0);
}
