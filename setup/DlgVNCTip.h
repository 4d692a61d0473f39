// CDlgVNCTip: the thin top-most bar that marks a running point-to-point assistance session
// ("您正在与" <peer> "进行点对点请求协助" and an end button), with its tray icon and the icon's
// menu (transparency, open, hide, end). The module owns at most one bar, created modeless on
// the desktop; on the helping side the bar stays hidden and only carries the session state.
#pragma once

#include "platform/CString.h"
#include "platform/ui/Dialog.h"

// Template, controls, icon and menu of the bar.
constexpr UINT IDD_VNC_TIP = 798;
constexpr int IDC_VNC_TIP_TAIL = 2092;  // "进行点对点请求协助"
constexpr int IDC_VNC_TIP_HEAD = 2090;  // "您正在与"
constexpr int IDC_VNC_TIP_PEER = 2091;  // the peer text
constexpr int IDC_VNC_TIP_END = 1081;   // "结束"
constexpr UINT IDI_VNC_TIP = 770;
constexpr UINT IDR_VNC_TIP_MENU = 799;

// The bar's commands (menu 799). 13488 is also what the module sends to end an assistance.
constexpr UINT ID_VNC_OPEN = 13478;
constexpr UINT ID_VNC_HIDE = 13479;
constexpr UINT ID_VNC_ALPHA_NONE = 13481;  // opaque
constexpr UINT ID_VNC_ALPHA_20 = 13482;
constexpr UINT ID_VNC_ALPHA_40 = 13483;
constexpr UINT ID_VNC_ALPHA_60 = 13484;
constexpr UINT ID_VNC_ALPHA_80 = 13485;
constexpr UINT ID_VNC_ALPHA_FULL = 13486;  // never offered
constexpr UINT ID_VNC_END_ASSIST = 13488;

// The tray icon's id and its actions for TrayIcon.
constexpr UINT kVncTrayIconId = 1;
constexpr int kTrayDelete = 0;
constexpr int kTrayAdd = 1;
constexpr int kTrayModify = 2;

class CDlgVNCTip : public CDialog {
 public:
  explicit CDlgVNCTip(CWnd* pParent = nullptr);
  ~CDlgVNCTip() override;

  // Creates the bar modeless on the desktop (placed at the top of the work area; BeginAssist
  // then shows or hides it for its side). On failure tells the user ("系统资源不足...", logged
  // as "CDlgVNCTip Create Failed!") and returns NULL.
  static CDlgVNCTip* CreateBar();

  // Starts showing a session: nSide 1 requesting side (bar and icon shown), 0 helping side
  // (hidden). Begins the module's data session.
  void BeginAssist(int nSide, CString csPeerURI);
  // Clears the session (the peer ended it): ends the data session, hides bar and icon.
  void EndAssist();
  // Ends the session from this side (command 13488, the end button, the module's close):
  // sends the leave request; nothing without a session.
  void OnEndAssist();

  BOOL IsInAssist() const { return m_bInAssist; }
  CString GetPeerURI() const { return m_csPeerURI; }
  int GetSide() const { return m_nSide; }
  float GetTransparency() const { return m_fTransparency; }

  // bShow: place and show the bar, else hide it; bIcon: add the tray icon, else delete it.
  void ShowBar(BOOL bShow, BOOL bIcon);
  void SetPeerText(CString text);
  void EnableEndButton(BOOL enable);
  // Layered alpha through User32's SetLayeredWindowAttributes when it can be found.
  void SetAlpha(BYTE alpha);
  // Shell_NotifyIcon with kTrayAdd / kTrayDelete / kTrayModify for icon 1.
  BOOL TrayIcon(int nAction, CString csTip);

  BOOL OnInitDialog() override;
  void OnOK() override;

  // The bar's text width rule: a byte from 0x20 to 0x7A is one narrow character, any other
  // byte starts a double-width character (its next byte is skipped). In character widths.
  static int TextWidthInChars(const CString& text);

 protected:
  void OnSize(UINT type, int cx, int cy) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnClose() override;
  void OnDestroy() override;

 private:
  void PlaceBar();
  void FitToText();
  int CharWidth() const;
  void OnTransparency(UINT id);
  void OnOpen();
  void OnTrayNotify(UINT iconId, UINT mouseMessage);
  void ShowTrayMenu();

  CString m_csTitle;
  HICON m_hTrayIcon = nullptr;
  float m_fTransparency = 1.0f;
  CString m_csPeerURI;
  BOOL m_bInAssist = FALSE;
  int m_nSide = 0;
  bool m_bIconShown = false;
  bool m_bFitting = false;
};
