// The conference window's life and state: creation, the running conference, its ids,
// sub-conferences and members, prompt lines, and the routing of conference events.
#include "confwindow/DlgDataConf.h"

#include <cstring>

#include "common/ConfMethodRecord.h"
#include "confwindow/DataConfIds.h"
#include "module/TavorineModule.h"
#include "platform/ui/CommCtrl.h"
#include "platform/ui/MessageBox.h"
#include "res/DataConfTemplates.h"
#include "setup/InviteDialogIds.h"
#include "setup/mmconfInvite.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

// The sub-conference types in the order of the window's type list.
const int kSubConfTypes[] = {kSubConfAudio,        kSubConfVideo,     kSubConfAppShare, kSubConfWhiteboard,
                             kSubConfDocShare,     kSubConfWebShare,  kSubConfFileTransfer,
                             kSubConfVote,         kSubConfRaiseHand, kSubConfAgenda,
                             kSubConfShareSpace};

const char kNoResources[] = "系统资源不足,请关闭并重新启动客户端。";

}  // namespace

CDlgDataConf::CDlgDataConf() {
  for (int type : kSubConfTypes) {
    SubConf entry;
    entry.iType = type;
    m_aSubConfs.Add(entry);
  }
  MapCommand<CDlgDataConf>(IDC_CONF_INVITE, &CDlgDataConf::OnInviteCommand);
  MapCommand<CDlgDataConf>(IDC_CONF_DIAL_EXTENSION, &CDlgDataConf::OnDialExtensionCommand);
  MapCommand<CDlgDataConf>(IDC_CONF_PROPERTIES, &CDlgDataConf::OnPropertiesCommand);
  MapCommand<CDlgDataConf>(IDC_CONF_PROMPT_SOUND, &CDlgDataConf::OnPromptSoundCommand);
  MapNotify<CDlgDataConf>(LVN_ITEMCHANGED, IDC_CONF_MEMBERS, &CDlgDataConf::OnMemberSelected);
}

CDlgDataConf::~CDlgDataConf() { CloseWhiteBoard(); }

CDlgDataConf* CDlgDataConf::CreateConfWindow() {
  RegisterConfWindowResources();
  CDlgDataConf* window = new CDlgDataConf();
  if (!window->Create(IDD_DATACONF, nullptr)) {
    ::MessageBox(nullptr, kNoResources, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
    window->WriteLog("CDlgDataConf Create Failed!");
  }
  return window;
}

// The invite dialog is made hidden with the window, so that its tree is registered and filled
// before the first invitation.
BOOL CDlgDataConf::OnInitDialog() {
  CDialog::OnInitDialog();
  InitView();
  EnsureInviteDialog();
  return TRUE;
}

void CDlgDataConf::ShowMessage(const char* text) { MessageBox(text, GetMsgTitle(), MB_OK | MB_ICONINFORMATION); }

void CDlgDataConf::WriteLog(const CString& text) const {
  if (CTavorineModule* module = TavorineModule()) module->WriteLog(text, 1);
}

void CDlgDataConf::AddPromptLine(CString text) {
  m_saPromptLines.Add(text);
  if (m_listPrompts.m_hWnd) m_listPrompts.AddString(text);
  WriteLog("CDlgDataConf::AddPromptLine(" + text + ")\n");
}

CString CDlgDataConf::GetDConfID(int nKind) const {
  switch (nKind) {
    case kDConfID: return m_csDConfID;
    case kDConfWhiteboardID: return m_csWBSubConfID;
    case kDConfAppShareID: return m_csAppShareSubConfID;
    default: return CString();
  }
}

const CDlgDataConf::SubConf* CDlgDataConf::FindSubConf(int iConfType, BOOL bByIndex) const {
  if (bByIndex) return iConfType >= 0 && iConfType < m_aSubConfs.GetSize() ? &m_aSubConfs[iConfType] : nullptr;
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i)
    if (m_aSubConfs[i].iType == iConfType) return &m_aSubConfs[i];
  return nullptr;
}

int CDlgDataConf::GetSubConfID(int iConfType, BOOL bByIndex) const {
  const SubConf* entry = FindSubConf(iConfType, bByIndex);
  return entry && entry->bStarted ? entry->iSubConfID : -1;
}

BOOL CDlgDataConf::bSubConfStarted(int type, BOOL byIndex) const {
  const SubConf* entry = FindSubConf(type, byIndex);
  return entry && entry->bStarted;
}

void CDlgDataConf::BeginConference(CString uri, CString dconfID) {
  m_csConfURI = uri;
  m_csDConfID = dconfID;
  m_bInConf = TRUE;
  m_iMemberCount = 1;
  m_iMaxMemberCount = 0;
  RefreshView();
  if (!m_hWnd) return;
  EnableWindow(TRUE);
  ShowWindow(SW_SHOW);
  BringWindowToTop();
}

void CDlgDataConf::EndConference() {
  SaveConfRecord();
  CloseWhiteBoard();
  m_bInConf = FALSE;
  m_csConfURI.Empty();
  m_csDConfID.Empty();
  m_csWBSubConfID.Empty();
  m_csAppShareSubConfID.Empty();
  m_csSubject.Empty();
  m_iMemberCount = 0;
  m_iMaxMemberCount = 0;
  m_aMembers.RemoveAll();
  m_memberIndex.clear();
  // Invitations of the ended conference must not reach the next one, nor the rows picked for it.
  m_saInitMembers.RemoveAll();
  m_saPendingInvites.RemoveAll();
  EndConferenceDialogs();
  if (m_pInviteConfDlg && m_pInviteConfDlg->GetSafeHwnd()) m_pInviteConfDlg->ResetContents();
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i) {
    m_aSubConfs[i].bStarted = FALSE;
    m_aSubConfs[i].iSubConfID = -1;
  }
  RefreshView();
  if (!m_hWnd) return;
  KillTimer(kTimerInviteQueue);
  ShowWindow(SW_HIDE);
}

void CDlgDataConf::SetDConfID(int nKind, CString id) {
  switch (nKind) {
    case kDConfID: m_csDConfID = id; break;
    case kDConfWhiteboardID: m_csWBSubConfID = id; break;
    case kDConfAppShareID: m_csAppShareSubConfID = id; break;
    default: break;
  }
}

void CDlgDataConf::SetSubConf(int iConfType, BOOL bStarted, int iSubConfID) {
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i) {
    if (m_aSubConfs[i].iType != iConfType) continue;
    m_aSubConfs[i].bStarted = bStarted;
    m_aSubConfs[i].iSubConfID = bStarted ? iSubConfID : -1;
  }
}

CDlgDataConf::Member* CDlgDataConf::FindMember(CString uri) {
  auto found = m_memberIndex.find(uri);
  return found == m_memberIndex.end() ? nullptr : &m_aMembers[found->second];
}

// A member who comes in or goes out is an event of the conference's record. Only the member's
// own row changes, so that an event costs what it changes, whatever the conference's size.
void CDlgDataConf::UpdateMember(CString uri, CString state, int iMemberID) {
  Member* member = FindMember(uri);
  const CString before = member ? member->csState : CString();
  if (state != before && state == "connected") AddConfRecordEvent(uri + " 进入会议");
  if (state != before && before == "connected") AddConfRecordEvent(uri + " 离开会议");
  if (!member) {
    Member entry;
    entry.csURI = uri;
    const int index = m_aMembers.Add(entry);
    m_memberIndex[uri] = index;
    member = &m_aMembers[index];
  }
  member->csState = state;
  member->iMemberID = iMemberID;
  ShowMemberRow(m_memberIndex[uri]);
}

void CDlgDataConf::LeaveConference() {
  if (!m_bInConf) return;
  CConfMethodRecordPtr record;
  BuildConfLeave(*record, m_csConfURI);
  bIMSConfMethod(1, record.get());
  EndConference();
}

void CDlgDataConf::OnIMSConfEventVexlonctrl1(int iType, void* record) {
  // The host keeps the record only during the call: work on an aligned copy.
  if (iType == 1 && record) {
    confCtrlResult result;
    memcpy(&result, record, sizeof result);
    OnConfCtrlResult(result);
    return;
  }
  if (iType == 6 && record) {
    confCtrlRight event;
    memcpy(&event, record, sizeof event);
    OnControlRight(event);
    return;
  }
  if (iType == 7 && record) {
    auto event = std::make_unique<confStatisEvent>();
    memcpy(event.get(), record, sizeof *event);
    OnConfStatisEvent(*event);
    return;
  }
  CString line;
  line.Format(record ? "CDlgDataConf::OnIMSConfEventVexlonctrl1(iType=%d)\n"
                     : "[ERROR]CDlgDataConf::OnIMSConfEventVexlonctrl1(iType=%d without record)\n",
              iType);
  WriteLog(line);
}

void CDlgDataConf::OnTimer(UINT_PTR id) {
  switch (id) {
    case kTimerCreateWait: OnCreateWaitTimer(); break;
    case kTimerBookWait: OnBookWaitTimer(); break;
    case kTimerPendingOps: OnPendingOpsTimer(); break;
    case kTimerInviteQueue: OnInviteQueueTimer(); break;
    default: CDialog::OnTimer(id); break;
  }
}
