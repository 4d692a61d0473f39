// The conference window's invite command: the invite dialog (made once, reused), its number
// tooltip, and this window disabled while the dialog is up.
#include "confwindow/DlgDataConf.h"

#include "module/TavorineModule.h"
#include "platform/ui/MessageBox.h"
#include "setup/InviteDialogIds.h"
#include "setup/mmconfInvite.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kNoResources[] = "系统资源不足,请关闭并重新启动客户端。";

}  // namespace

void CDlgDataConf::OnInviteCommand() {
  // The previous invitations leave first.
  if (m_saPendingInvites.GetSize() > 0) return;
  if (!m_pInviteConfDlg) {
    auto dialog = std::make_unique<CmmconfInvite>();
    if (!dialog->Create(IDD_CONF_INVITE, this)) {
      MessageBox(kNoResources, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
      WriteLog("CmmconfInvite Create Failed!");
      return;
    }
    m_pInviteConfDlg = std::move(dialog);
  }
  CTavorineModule* module = TavorineModule();
  if (module && !module->m_bDeptTreesFilled) m_pInviteConfDlg->ResetDeptTree();
  bool subConfRuns = false;
  for (int i = 0; i < m_aSubConfs.GetSize(); ++i) subConfRuns = subConfRuns || m_aSubConfs[i].bStarted;
  m_pInviteConfDlg->SetNumberEditTip(subConfRuns ? kInviteNumberTipShort : kInviteNumberTip);
  m_pInviteConfDlg->ShowWindow(SW_SHOW);
  m_pInviteConfDlg->CenterWindow();
  EnableWindow(FALSE);
}
