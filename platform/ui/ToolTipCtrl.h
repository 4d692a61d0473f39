// CToolTipCtrl: a thin wrapper over the "tooltips_class32" window class (ToolTipClass.cpp).
// Nothing is shown on a screen: each tooltip keeps its tools and their texts, and which tool's
// tip is up after the mouse moves relayed to it, so tests can read them.
#pragma once

#include "platform/ui/CommCtrl.h"
#include "platform/ui/Wnd.h"

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

 public:
  using CWnd::Create;
  // A top-level popup owned by `parent`'s top-level window; FALSE when creation fails.
  BOOL Create(CWnd* parent, DWORD style = 0);
  // A tool for a whole window (id 0: the tool is the window itself) or for a rectangle of it.
  BOOL AddTool(CWnd* wnd, LPCTSTR text = LPSTR_TEXTCALLBACK, LPCRECT rect = nullptr, UINT_PTR id = 0);
  void DelTool(CWnd* wnd, UINT_PTR id = 0);
  void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR id = 0);
  void GetText(CString& text, CWnd* wnd, UINT_PTR id = 0) const;
  int GetToolCount() const;
  // An inactive tooltip shows no tip.
  void Activate(BOOL activate);
  // Passes a mouse message of a tool window: a move over a tool shows its tip, a button hides it.
  void RelayEvent(LPMSG msg);
  int SetMaxTipWidth(int width);
  void SetDelayTime(UINT delay);
  void Pop();
};

namespace platform {
// The text of the tool that stands for `window` in any tooltip ("" when none).
CString ToolTipTextFor(HWND window);
// The text of the tip being shown by tooltip `tooltip` ("" when none is up).
CString ShownToolTipText(HWND tooltip);
}  // namespace platform
