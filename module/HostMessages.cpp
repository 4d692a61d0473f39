// The host-to-module dispatcher: category 1 codes, each with its block, the handled flag
// written back into the block.
#include <cstddef>
#include <cstring>

#include "protocol/ConfMethodRecord.h"
#include "protocol/HostBlocks.h"
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

void WriteHandled(void* block, int offset, int handled) {
  if (block) memcpy(static_cast<char*>(block) + offset, &handled, sizeof handled);
}

}  // namespace

// What the module does with each code, and the block the code carries (where its handled flag
// goes).
struct CTavorineModule::HostHandler {
  int code;
  const HostBlockLayout* block;
  int (*handle)(CTavorineModule& module, void* block);
};

const CTavorineModule::HostHandler* CTavorineModule::FindHostHandler(int code) {
  // Both invitation windows take the user's answer to an invitation.
  static const auto answerInvitation = [](CTavorineModule& module, WPARAM command) {
    module.SendCommandToWindow(kInviteReceivedCaption, command, 0);
    module.SendCommandToWindow(kPtopInviteCaption, command, 0);
    return 1;
  };
  static const HostHandler kHandlers[] = {
      {kModuleRightsChanged, &kHostPlainLayout,
       [](CTavorineModule& module, void*) {
         module.ReadDataConfRights();
         module.RefreshConfTypeLists();
         return 1;
       }},
      {kModuleOpenUI, &kHostPlainLayout,
       [](CTavorineModule& module, void*) { return module.OpenUserInterface(std::nullopt); }},
      {kModuleShowUIPage, &kHostPageLayout,
       [](CTavorineModule& module, void* block) {
         const HostPageBlock* page = static_cast<const HostPageBlock*>(block);
         int handled = module.OpenUserInterface(page ? std::optional<int>(page->nPage) : std::nullopt);
         module.RefreshConfTypeLists();
         if (handled && page && page->pNumbers && *page->pNumbers) module.AddCreatePageNumbers(page->pNumbers);
         return handled;
       }},
      {kModuleP2PWhiteboardRequest, &kHostPeerLayout,
       [](CTavorineModule& module, void* block) {
         const HostPeerBlock* request = static_cast<const HostPeerBlock*>(block);
         return module.OfferP2PSession(request ? request->pPeerURI : nullptr, kP2PWhiteboard);
       }},
      {kModuleP2PAssistRequest, &kHostPeerLayout,
       [](CTavorineModule& module, void* block) {
         const HostPeerBlock* request = static_cast<const HostPeerBlock*>(block);
         return module.OfferP2PSession(request ? request->pPeerURI : nullptr, kP2PAssist);
       }},
      {kModuleDataConfRecord, &kHostRecordLayout,
       [](CTavorineModule& module, void* block) {
         return module.OnDataConfRecord(static_cast<const HostRecordBlock*>(block));
       }},
      {kModuleConfEvent, &kHostRecordLayout,
       [](CTavorineModule& module, void* block) {
         const HostRecordBlock* event = static_cast<const HostRecordBlock*>(block);
         if (!event) return 0;
         module.OnIMSConfEvent(event->nKind, event->pRecord);
         return 1;
       }},
      {kModuleAcceptInvite, &kHostPlainLayout,
       [](CTavorineModule& module, void*) { return answerInvitation(module, IDOK); }},
      {kModuleRefuseInvite, &kHostPlainLayout,
       [](CTavorineModule& module, void*) { return answerInvitation(module, IDCANCEL); }},
      {kModuleAssistWindow, &kHostPlainLayout,
       [](CTavorineModule& module, void*) {
         module.OnAssistWindow();
         return 1;
       }},
      // The pages' Refresh does nothing.
      {kModuleRefreshPages, &kHostPlainLayout, [](CTavorineModule&, void*) { return 1; }},
      {kModuleStatusQuery, &kHostStatusLayout,
       [](CTavorineModule& module, void* block) {
         module.OnStatusQuery(block);
         return 1;
       }},
      {kModuleMemberRightAnswer, &kHostMemberRightAnswerLayout,
       [](CTavorineModule& module, void* block) {
         module.SendCommandToWindow(kMemberRightQueryTitle, kMemberRightAnswerCommand, (LPARAM)block);
         return 1;
       }},
      {kModuleClearTrees, &kHostPlainLayout,
       [](CTavorineModule& module, void*) {
         module.ClearSetupTrees();
         return 1;
       }},
  };
  for (const HostHandler& handler : kHandlers)
    if (handler.code == code) return &handler;
  return nullptr;
}

int CTavorineModule::OnHostMessage(int category, int code, void* block) {
  if (category != kModuleMessageCategory || m_bClosing) return 0;
  const HostHandler* handler = FindHostHandler(code);
  if (!handler) {
    CString line;
    line.Format("CTavorineModule::OnHostMessage(code %d is not handled)\n", code);
    WriteLog(line, 1);
    return 0;
  }
  int handled = handler->handle(*this, block);
  WriteHandled(block, handler->block->handledOffset, handled);
  return handled;
}

// The set-up trees lose everything below their root items.
void CTavorineModule::ClearSetupTrees() {
  if (m_pDlgPreCreate && m_pDlgPreCreate->m_pCreate) m_pDlgPreCreate->m_pCreate->ClearRosterTree();
  if (m_pDlgPreCreate && m_pDlgPreCreate->m_pPre) m_pDlgPreCreate->m_pPre->ClearRosterTree();
  if (m_pDlgDataConf && m_pDlgDataConf->m_pInviteConfDlg) m_pDlgDataConf->m_pInviteConfDlg->ClearDeptTree();
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
