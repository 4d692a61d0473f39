// The host-to-module dispatcher: category 1 codes, each with its block, the handled flag
// written back into the block.
#include <cstddef>
#include <cstring>

#include "common/HostBlocks.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/WindowRelease.h"
#include "platform/ui/Wnd.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/DlgVNCTip.h"
#include "setup/InviteIds.h"
#include "setup/MemberIds.h"
#include "setup/mmconfCreate.h"
#include "setup/mmconfInvite.h"
#include "setup/mmconfPre.h"

namespace {

// Where each code's block keeps its handled flag.
struct HostCode {
  int code;
  size_t handledOffset;
};

const HostCode kHostCodes[] = {
    {kModuleRightsChanged, offsetof(HostPlainBlock, bHandled)},
    {kModuleOpenUI, offsetof(HostPlainBlock, bHandled)},
    {kModuleDataConfRecord, offsetof(HostRecordBlock, bHandled)},
    {kModuleConfEvent, offsetof(HostRecordBlock, bHandled)},
    {kModuleAcceptInvite, offsetof(HostPlainBlock, bHandled)},
    {kModuleRefuseInvite, offsetof(HostPlainBlock, bHandled)},
    {kModuleAssistWindow, offsetof(HostPlainBlock, bHandled)},
    {kModuleRefreshPages, offsetof(HostPlainBlock, bHandled)},
    {kModuleStatusQuery, offsetof(HostStatusBlock, bHandled)},
    {kModuleShowUIPage, offsetof(HostPageBlock, bHandled)},
    {kModuleMemberRightAnswer, offsetof(HostMemberRightAnswerBlock, bHandled)},
    {kModuleClearTrees, offsetof(HostPlainBlock, bHandled)},
};

const HostCode* FindHostCode(int code) {
  for (const HostCode& entry : kHostCodes)
    if (entry.code == code) return &entry;
  return nullptr;
}

void WriteHandled(void* block, size_t offset, int handled) {
  if (block) memcpy(static_cast<char*>(block) + offset, &handled, sizeof handled);
}

}  // namespace

int CTavorineModule::OnHostMessage(int category, int code, void* block) {
  if (category != kModuleMessageCategory || m_bClosing) return 0;
  const HostCode* entry = FindHostCode(code);
  if (!entry) {
    CString line;
    line.Format("CTavorineModule::OnHostMessage(code %d is not handled)\n", code);
    WriteLog(line, 1);
    return 0;
  }
  int handled = HandleHostMessage(code, block);
  WriteHandled(block, entry->handledOffset, handled);
  return handled;
}

int CTavorineModule::HandleHostMessage(int code, void* block) {
  switch (code) {
    case kModuleRightsChanged:
      ReadDataConfRights();
      RefreshConfTypeLists();
      return 1;
    case kModuleOpenUI:
      return OpenUserInterface(std::nullopt);
    case kModuleShowUIPage: {
      const HostPageBlock* page = static_cast<const HostPageBlock*>(block);
      int handled = OpenUserInterface(page ? std::optional<int>(page->nPage) : std::nullopt);
      RefreshConfTypeLists();
      return handled;
    }
    case kModuleDataConfRecord:
      return OnDataConfRecord(static_cast<const HostRecordBlock*>(block));
    case kModuleConfEvent: {
      const HostRecordBlock* event = static_cast<const HostRecordBlock*>(block);
      if (!event) return 0;
      OnIMSConfEvent(event->nKind, event->pRecord);
      return 1;
    }
    case kModuleAcceptInvite:
    case kModuleRefuseInvite: {
      WPARAM command = code == kModuleAcceptInvite ? IDOK : IDCANCEL;
      SendCommandToWindow(kInviteReceivedCaption, command, 0);
      SendCommandToWindow(kPtopInviteCaption, command, 0);
      return 1;
    }
    case kModuleAssistWindow:
      OnAssistWindow();
      return 1;
    case kModuleRefreshPages:
      // The pages' Refresh does nothing.
      return 1;
    case kModuleClearTrees:
      // The set-up trees lose everything below their root items.
      if (m_pDlgPreCreate && m_pDlgPreCreate->m_pCreate) m_pDlgPreCreate->m_pCreate->ClearRosterTree();
      if (m_pDlgPreCreate && m_pDlgPreCreate->m_pPre) m_pDlgPreCreate->m_pPre->ClearRosterTree();
      if (m_pDlgDataConf && m_pDlgDataConf->m_pInviteConfDlg) m_pDlgDataConf->m_pInviteConfDlg->ClearDeptTree();
      return 1;
    case kModuleStatusQuery:
      OnStatusQuery(block);
      return 1;
    case kModuleMemberRightAnswer:
      SendCommandToWindow(kMemberRightQueryTitle, kMemberRightAnswerCommand, (LPARAM)block);
      return 1;
    default:
      return 0;
  }
}

// Kind 1 goes to the point-to-point whiteboard of the peer it names, else to the conference
// window, which gives it to its conference whiteboard or shared-document board by the
// sub-conference it names; a record that no window takes yet (the window may still be on its
// way) is offered again up to six more times, one second apart, while window messages keep
// flowing.
int CTavorineModule::OnDataConfRecord(const HostRecordBlock* record) {
  const int kWhiteboardKind = 1;
  const int kRetries = 6;
  const uint32_t kRetryMs = 1000;
  if (!record || record->nKind != kWhiteboardKind) {
    WriteLog("[ERROR]CTavorineModule::OnHostMessage(no window takes the data-conference record)\n", 1);
    return 0;
  }
  for (int attempt = 0; attempt <= kRetries; ++attempt) {
    if (attempt > 0) platform::Desktop::Wait(kRetryMs);
    if (m_bClosing) return 0;
    if (RouteP2PWhiteboardRecord(record->pRecord) ||
        (m_pDlgDataConf && m_pDlgDataConf->RouteWhiteboardRecord(record->pRecord)))
      return 1;
  }
  WriteLog("[ERROR]CTavorineModule::OnHostMessage(no whiteboard takes the record)\n", 1);
  return 0;
}

void CTavorineModule::SendCommandToWindow(const char* title, WPARAM command, LPARAM lParam) {
  if (HWND window = FindOwnWindowByTitle(title)) ::SendMessage(window, WM_COMMAND, command, lParam);
}

void CTavorineModule::OnStatusQuery(void* block) {
  HostStatusBlock* status = static_cast<HostStatusBlock*>(block);
  if (!status) return;
  status->bMemberAdding = m_bAddingMember;
  status->bSetupRequestPending = m_pDlgDataConf ? m_pDlgDataConf->m_bSetupRequestPending : FALSE;
  status->bInConf = InConference();
  status->bP2PBusy = m_bP2PBusy;
}

// Host code 13: the conference window's close while a conference runs; else the end of a
// running assistance (the bar then goes); else the point-to-point whiteboards are closed.
void CTavorineModule::OnAssistWindow() {
  if (InConference()) {
    m_pDlgDataConf->LeaveConference();
    return;
  }
  if (m_pDlgVNCTip && m_pDlgVNCTip->IsInAssist()) {
    m_pDlgVNCTip->SendMessage(WM_COMMAND, ID_VNC_END_ASSIST, 0);
    platform::DestroyAndDelete(m_pDlgVNCTip);  // the bar may be inside its own tray menu
    m_pDlgVNCTip = nullptr;
    return;
  }
  CloseP2PWhiteBoards();
}
