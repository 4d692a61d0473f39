#include "module/ModuleBase.h"

#include "platform/ui/Wnd.h"
#include "protocol/HostBlocks.h"

CModuleBase::CModuleBase(IHostInterface* host, IHostInterface* skinHost, HWND mainWnd)
    : m_pHost(host), m_pSkinHost(skinHost), m_hMainWnd(mainWnd) {}

int CModuleBase::SendEvent(int code, void* block) {
  if (!m_pHost || m_bClosing) return 0;
  return m_pHost->OnModuleMessage(kTavorineModuleKind, code, block);
}

int CModuleBase::NotifyStateChanged() { return SendEvent(kHostStateChanged, nullptr); }

int CModuleBase::SendToModule(int target, int code, void* block, int value) {
  if (!m_pHost || m_bClosing) return 0;
  return m_pHost->SendToModule(target, code, block, value);
}

void CModuleBase::SkinWindow(HWND hWnd, CString skinFile, CString section) {
  IHostInterface* host = m_pSkinHost ? m_pSkinHost : m_pHost;
  if (!host || m_bClosing) return;
  HostSkinBlock block{hWnd, skinFile, section};
  host->OnModuleMessage(kTavorineModuleKind, kHostSkinWindow, &block);
}

void CModuleBase::WriteLog(CString text, int level) {
  HostLogBlock block{text, level, 0};
  SendEvent(kHostWriteLog, &block);
}

CWnd* CModuleBase::GetMainWnd() { return m_hMainWnd ? CWnd::FromHandle(m_hMainWnd) : nullptr; }

int CModuleBase::ForwardToHost(int code, void* block) { return SendEvent(code, block); }

int CModuleBase::ForwardToModule(int target, int code, void* block, int value) {
  return SendToModule(target, code, block, value);
}

BOOL CModuleBase::CanExit() { return m_bCanExit; }

void WriteModuleLog(CModuleBase* module, int level, const char* text) {
  if (!module) return;
  HostLogBlock block{text ? text : "", level, 0};
  module->SendEvent(kHostWriteLogPlain, &block);
}
