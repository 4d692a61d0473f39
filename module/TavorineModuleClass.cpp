// The module object's life: creation by the export, the host's virtual operations, close,
// and the host channel routines that need the module's state.
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/ConfMethodRecord.h"
#include "common/ModuleLog.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/Mbcs.h"
#include "protocol/HostBlocks.h"
#include "res/Resources.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfCreate.h"
#include "setup/mmconfInvite.h"
#include "setup/mmconfPre.h"

namespace {

CTavorineModule* g_pModule = nullptr;

// The sink of ModuleLog: lines of the code below the module object go to the host through it.
void WriteModuleLog(const char* text, int level) {
  if (g_pModule) g_pModule->WriteLog(text, level);
}

}  // namespace

CTavorineModule* TavorineModule() { return g_pModule; }

CTavorineModule* CreateTavorineModule(IHostInterface* host, IHostInterface* skinHost, HWND mainWnd) {
  if (!g_pModule) {
    RegisterModuleResources();
    SetModuleLogSink(&WriteModuleLog);
    g_pModule = new CTavorineModule(host, skinHost, mainWnd);
  }
  return g_pModule;
}

void DestroyTavorineModule() {
  delete g_pModule;
  g_pModule = nullptr;
}

int bIMSConfMethod(int method, void* record) {
  if (!g_pModule) return 0;
  HostMethodBlock block{method, record, 0};
  g_pModule->SendEvent(kHostConfMethod, &block);
  return block.nResult;
}

CTavorineModule::CTavorineModule(IHostInterface* host, IHostInterface* skinHost, HWND mainWnd)
    : CModuleBase(host, skinHost, mainWnd) {}

CTavorineModule::~CTavorineModule() {
  DestroyStartWindow();
  DeleteP2PWindows();
  delete m_pDlgDataConf;
  if (g_pModule == this) g_pModule = nullptr;
}

int CTavorineModule::GetModuleKind() { return kTavorineModuleKind; }

BOOL CTavorineModule::LoadUserData() {
  ReadDataConfRights();
  LoadDataConfFromFile();
  return TRUE;
}

void CTavorineModule::ReadDataConfRights() { GetDataConfRight(&m_dataConfRight); }

void CTavorineModule::Reserved() {}

void CTavorineModule::ClosePopupDialogs() {
  if (m_pActiveCommonDlg) m_pActiveCommonDlg->EndDialog(IDCANCEL);
}

// Before the library goes: release the host's trees, leave what runs, tell the host that no
// window is in front, then stop talking to the host. Nothing is written to files.
void CTavorineModule::Close() {
  if (m_bClosing) return;
  for (int tree = kTreeCreatePage; tree <= kTreeInviteDialog; ++tree) {
    if (!m_abTreeRegistered[tree]) continue;
    HostTreeBlock block{tree, nullptr, {0, 0, 0}};
    SendToModule(kDeptTreeService, kTreeUnregister, &block, 0);
    m_abTreeRegistered[tree] = FALSE;
  }
  DestroyStartWindow();
  // The conference window's dialogs may wait in their loops (an invitation, the invite
  // dialog's query or chooser ...): they end unanswered.
  if (m_pDlgDataConf) m_pDlgDataConf->EndDialogsForClose();
  CloseP2PWindows();
  LeaveEverything();
  m_bClosing = TRUE;
}

void CTavorineModule::LeaveEverything() {
  if (InConference()) m_pDlgDataConf->LeaveConference();
  NotifyConfState(0);
  for (int i = 0; i < m_aP2PSessions.GetSize(); ++i) {
    const P2PSession& session = m_aP2PSessions[i];
    CConfMethodRecordPtr record;
    BuildConfLeave(*record, session.csPeerURI, session.iType == kP2PWhiteboard ? kP2PWhiteboard : 0);
    bIMSConfMethod(1, record.get());
  }
  m_aP2PSessions.RemoveAll();
  EndDataSession();
}

BOOL CTavorineModule::InConference() const { return m_pDlgDataConf && m_pDlgDataConf->m_bInConf; }

CDlgDataConf* CTavorineModule::EnsureConfWindow() {
  if (!m_pDlgDataConf) m_pDlgDataConf = CDlgDataConf::CreateConfWindow();
  return m_pDlgDataConf;
}

int CTavorineModule::IMSSend2MrsMethod(int nConfType, int nMethod, void* record) {
  if (nConfType == 0 && !InConference()) {
    WriteLog(m_pDlgDataConf ? "[ERROR]CTavorineModule::IMSSend2MrsMethod(no conference runs)\n"
                            : "[ERROR]CTavorineModule::IMSSend2MrsMethod(no conference window)\n",
             1);
    return 0;
  }
  HostMethodBlock block{nMethod, record, 0};
  SendEvent(kHostDataConfRecord, &block);
  return block.nResult;
}

int CTavorineModule::NotifyConfState(int window) {
  HostFrontWindowBlock block{window, 0};
  return SendEvent(kHostFrontWindow, &block);
}

int CTavorineModule::RegisterDeptTree(int nTree, void* pTreeCtrl) {
  if (nTree < kTreeCreatePage || nTree > kTreeInviteDialog) return 0;
  HostTreeBlock block{nTree, pTreeCtrl, {0, 0, 0}};
  int result = SendToModule(kDeptTreeService, kTreeRegister, &block, 0);
  m_abTreeRegistered[nTree] = TRUE;
  return result;
}

void CTavorineModule::InitDeptTree() {
  // The trees of the create page, the book page and the invite dialog are emptied by their
  // windows when these exist; the tree service fills them again.
  if (m_pDlgPreCreate && m_pDlgPreCreate->m_pCreate) m_pDlgPreCreate->m_pCreate->ResetRosterTree();
  if (m_pDlgPreCreate && m_pDlgPreCreate->m_pPre) m_pDlgPreCreate->m_pPre->ResetRosterTree();
  if (m_pDlgDataConf && m_pDlgDataConf->m_pInviteConfDlg) m_pDlgDataConf->m_pInviteConfDlg->ResetDeptTree();
  m_bDeptTreesFilled = TRUE;
  for (int tree = kTreeCreatePage; tree <= kTreeInviteDialog; ++tree) FillDeptTree(tree);
}

void CTavorineModule::FillDeptTree(int nTree) {
  if (nTree < kTreeCreatePage || nTree > kTreeInviteDialog) return;
  HostTreeBlock block{nTree, nullptr, {0, 0, 0}};
  SendToModule(kDeptTreeService, kTreeFill, &block, 0);
  m_abTreeFillAsked[nTree] = TRUE;
}

BOOL CTavorineModule::DeptTreeFillAsked(int nTree) const {
  return nTree >= kTreeCreatePage && nTree <= kTreeInviteDialog && m_abTreeFillAsked[nTree];
}

void CTavorineModule::OnIMSConfEvent(int iType, void* record) {
  if (iType == 11) {
    const confSysTime* time = static_cast<const confSysTime*>(record);
    char line[160];
    if (time) {
      char text[sizeof time->cSysTime];
      mbcs::CopyLimited(text, sizeof text, time->cSysTime);
      snprintf(line, sizeof line, "CTavorineModule::OnIMSConfEvent(confSysTime detailType=%d cSysTime=%s)\n",
               time->detailType, text);
    } else {
      snprintf(line, sizeof line, "[ERROR]CTavorineModule::OnIMSConfEvent(confSysTime without record)\n");
    }
    WriteLog(line, 1);
    // Only the book page asks for the server time.
    if (time && time->detailType == 1 && m_pDlgPreCreate && m_pDlgPreCreate->m_pPre) {
      char text[sizeof time->cSysTime];
      mbcs::CopyLimited(text, sizeof text, time->cSysTime);
      m_pDlgPreCreate->m_pPre->OnGotServerTimeResult(text);
    }
    return;
  }
  if (iType == 1 && record) {
    // The host keeps the record only during the call: work on an aligned copy.
    confCtrlResult event;
    memcpy(&event, record, sizeof event);
    if (OnP2PEvent(event)) return;
  }
  EnsureConfWindow()->OnIMSConfEventVexlonctrl1(iType, record);
}
