// The conference window's invite command: its refusals, the invite dialog (made with the
// window, reused), its number tooltip and this window disabled while the dialog is up.
#include "confwindow/DlgDataConf.h"

#include "module/TavorineModule.h"
#include "platform/ui/MessageBox.h"
#include "setup/InviteDialogIds.h"
#include "setup/mmconfInvite.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kNoResources[] = "系统资源不足,请关闭并重新启动客户端。";

}  // namespace

CmmconfInvite* CDlgDataConf::EnsureInviteDialog() {
  if (m_pInviteConfDlg) return m_pInviteConfDlg.get();
  auto dialog = std::make_unique<CmmconfInvite>();
  if (!dialog->Create(IDD_CONF_INVITE, this)) {
    ShowMessage(kNoResources);
    WriteLog("CmmconfInvite Create Failed!");
    return nullptr;
  }
  m_pInviteConfDlg = std::move(dialog);
  return m_pInviteConfDlg.get();
}

void CDlgDataConf::OnInviteCommand() {
  if (!m_bInConf) {
    ShowMessage("会议已经结束，不能进行邀请！");
    return;
  }
  if (ExceedsMaximum(1)) {
    ShowMessage("会议人数已经达到上限，不能进行邀请！");
    return;
  }
  // The previous invitations leave first.
  if (m_saPendingInvites.GetSize() > 0) {
    WriteLog("CDlgDataConf::OnInviteCommand(invitations still queued)\n");
    return;
  }
  CmmconfInvite* dialog = EnsureInviteDialog();
  if (!dialog) return;
  CTavorineModule* module = TavorineModule();
  // Entered through an invitation, the module may never have asked for the set-up trees: the
  // dialog's tree is emptied and filled by the tree service now.
  if (module && !module->DeptTreeFillAsked(kTreeInviteDialog)) {
    dialog->ResetDeptTree();
    module->FillDeptTree(kTreeInviteDialog);
  }
  bool subConfRuns = false;
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i) subConfRuns = subConfRuns || m_aSubConfs[i].bStarted;
  dialog->SetNumberEditTip(subConfRuns ? kInviteNumberTipShort : kInviteNumberTip);
  dialog->ShowWindow(SW_SHOW);
  dialog->CenterWindow();
  dialog->BringWindowToTop();
  EnableWindow(FALSE);
}
