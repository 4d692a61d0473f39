// CModuleBase: the module object's link to the host application. It holds the host's two
// interfaces and main window, the closing and can-exit flags, and sends everything that goes
// to the host: events, log lines, skin requests and tree-service requests.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"
#include "protocol/HostInterface.h"

class CWnd;

class CModuleBase : public ITavorineModule {
 public:
  // host: the host's interface; skinHost: the second interface that takes skin requests
  // (NULL: skins go to host as well); mainWnd: the host's main window.
  CModuleBase(IHostInterface* host, IHostInterface* skinHost, HWND mainWnd);

  // The host's message operation with the module kind, the code and the block; the host's
  // answer, or 0 when there is no host or the module is closing (then nothing is sent).
  int SendEvent(int code, void* block);
  // Host code 20005: the module's state changed.
  int NotifyStateChanged();
  // A request to another module of the host (target 10: the department-tree service).
  int SendToModule(int target, int code, void* block, int value);
  // Host code 10001 {window, file, section}; an empty section skins the whole window.
  void SkinWindow(HWND hWnd, CString skinFile, CString section);
  // One log line, host code 20003 {text, level, result}.
  void WriteLog(CString text, int level);

  CWnd* GetMainWnd();
  HWND GetMainHwnd() const { return m_hMainWnd; }
  BOOL IsClosing() const { return m_bClosing; }
  void SetCanExit(BOOL canExit) { m_bCanExit = canExit; }

  // ITavorineModule: the two forwarders and the can-exit query.
  int ForwardToHost(int code, void* block) override;
  int ForwardToModule(int target, int code, void* block, int value) override;
  BOOL CanExit() override;

 protected:
  ~CModuleBase() override = default;

  IHostInterface* m_pHost;
  IHostInterface* m_pSkinHost;
  HWND m_hMainWnd;
  BOOL m_bClosing = FALSE;
  BOOL m_bCanExit = TRUE;
};

// One plain log line, host code 20004 {text, level, result}.
void WriteModuleLog(CModuleBase* module, int level, const char* text);
