#include "platform/ui/Dialog.h"

#include <cstdio>
#include <map>

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowTree.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace platform {

const char* const kDialogClass = "#32770";

namespace {

std::map<UINT, DialogTemplate>& Templates() {
  static auto* templates = new std::map<UINT, DialogTemplate>;
  return *templates;
}

struct DialogExtra : WindowExtra {
  UINT defId = IDOK;
};

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& tmpl) { Templates()[tmpl.id] = tmpl; }

const DialogTemplate* FindDialogTemplate(UINT id) {
  auto it = Templates().find(id);
  return it == Templates().end() ? nullptr : &it->second;
}

RECT DialogUnitsToPixels(const RECT& u) {
  return RECT{u.left * kDialogBaseUnitX / 4, u.top * kDialogBaseUnitY / 8, u.right * kDialogBaseUnitX / 4,
              u.bottom * kDialogBaseUnitY / 8};
}

// The dialog manager's default window procedure.
LRESULT DialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
      SetWindowExtra(hwnd, std::make_unique<DialogExtra>());
      return TRUE;
    case WM_CLOSE: {
      HWND cancel = ::GetDlgItem(hwnd, IDCANCEL);
      if (!cancel || ::IsWindowEnabled(cancel))
        ::PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)cancel);
      return 0;
    }
    case DM_GETDEFID: {
      auto* extra = GetWindowExtraAs<DialogExtra>(hwnd);
      return extra ? MAKELONG(extra->defId, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
      if (auto* extra = GetWindowExtraAs<DialogExtra>(hwnd)) extra->defId = (UINT)wParam;
      return TRUE;
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform

namespace {

bool IsTabStop(HWND hwnd) {
  DWORD style = (DWORD)GetWindowLong(hwnd, GWL_STYLE);
  return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The next (or previous) tab stop among the dialog's controls after `from`, wrapping.
HWND NextTabStop(HWND dialog, HWND from, bool previous) {
  std::vector<HWND> controls = platform::Desktop::Children(dialog);
  int n = (int)controls.size();
  if (n == 0) return nullptr;
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (controls[i] == from) start = i;
  for (int step = 1; step <= n; ++step) {
    int i = previous ? ((start < 0 ? n : start) - step + n * 2) % n : (start + step) % n;
    if (IsTabStop(controls[i])) return controls[i];
  }
  return nullptr;
}

}  // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_nIDTemplate = templateId;
  if (parent) m_pParentWnd = parent;
  return CreateFromTemplate(templateId, m_pParentWnd, false);
}

BOOL CDialog::CreateFromTemplate(UINT templateId, CWnd* parent, bool modal) {
  const DialogTemplate* tmpl = platform::FindDialogTemplate(templateId);
  if (!tmpl) {
    fprintf(stderr, "platform: no dialog template %u\n", templateId);
    return FALSE;
  }
  modal_ = modal;
  ended_ = false;
  result_ = -1;
  RECT r = platform::DialogUnitsToPixels(RECT{tmpl->x, tmpl->y, tmpl->x + tmpl->cx, tmpl->y + tmpl->cy});
  // A modeless dialog may be a child page of its parent (WS_CHILD in its template); a modal one
  // is always a top-level window owned by its parent.
  DWORD style = modal ? tmpl->style & ~WS_CHILD : tmpl->style;
  if (!CreateEx(tmpl->exStyle, platform::kDialogClass, tmpl->caption, style & ~WS_VISIBLE, r.left, r.top,
                r.right - r.left, r.bottom - r.top, parent ? parent->m_hWnd : nullptr, nullptr))
    return FALSE;
  HWND self = m_hWnd;
  for (const DialogItemTemplate& item : tmpl->items) {
    RECT ir = platform::DialogUnitsToPixels(RECT{item.x, item.y, item.x + item.cx, item.y + item.cy});
    if (!::CreateWindowEx(item.exStyle, item.className, item.text ? item.text : "", item.style | WS_CHILD, ir.left,
                          ir.top, ir.right - ir.left, ir.bottom - ir.top, self, (HMENU)(uintptr_t)(UINT)item.id,
                          nullptr, nullptr))
      fprintf(stderr, "platform: dialog %u: control %d (%s) was not created\n", templateId, item.id, item.className);
  }
  if (style & DS_CENTER) CenterWindow();
  HWND first = NextTabStop(self, nullptr, false);
  if (::SendMessage(self, WM_INITDIALOG, (WPARAM)first, 0) && ::IsWindow(self) && ::IsWindow(first))
    ::SetFocus(first);
  if (!::IsWindow(self)) return FALSE;
  if ((style & WS_VISIBLE) && !modal) ShowWindow(SW_SHOW);
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  HWND owner = m_pParentWnd ? platform::tree::TopLevelOf(m_pParentWnd->m_hWnd) : nullptr;
  HWND ownerFocus = ::GetFocus();
  disabledOwner_ = nullptr;
  if (owner && ::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, FALSE);
    disabledOwner_ = owner;
  }
  INT_PTR result = -1;
  if (CreateFromTemplate(m_nIDTemplate, m_pParentWnd, true)) {
    HWND self = m_hWnd;
    if (!ended_) ShowWindow(SW_SHOWNORMAL);
    bool finished = ended_ || platform::Desktop::RunModalLoop(platform::ModalKind::Dialog, self,
                                                             [this, self] { return !ended_ && ::IsWindow(self); });
    result = finished ? result_ : -1;
    if (::IsWindow(self)) ::DestroyWindow(self);
  }
  if (disabledOwner_ && ::IsWindow(disabledOwner_)) ::EnableWindow(disabledOwner_, TRUE);
  disabledOwner_ = nullptr;
  modal_ = false;
  if (owner && ::IsWindow(owner)) {
    ::SetActiveWindow(owner);
    if (ownerFocus && platform::tree::IsDescendant(owner, ownerFocus)) ::SetFocus(ownerFocus);
  }
  return result;
}

void CDialog::EndDialog(int result) {
  if (!m_hWnd) return;
  if (modal_) {
    result_ = result;
    ended_ = true;
    if (disabledOwner_ && ::IsWindow(disabledOwner_)) ::EnableWindow(disabledOwner_, TRUE);
    disabledOwner_ = nullptr;
  }
  if (platform::tree::IsDescendant(m_hWnd, ::GetFocus()) && ::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }

DWORD CDialog::GetDefID() const { return (DWORD)::SendMessage(m_hWnd, DM_GETDEFID, 0, 0); }

void CDialog::NextDlgCtrl() const { ::SetFocus(NextTabStop(m_hWnd, ::GetFocus(), false)); }

void CDialog::PrevDlgCtrl() const { ::SetFocus(NextTabStop(m_hWnd, ::GetFocus(), true)); }

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) ::SetFocus(control->m_hWnd);
}

void CDialog::MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  UINT id = LOWORD(wParam), code = HIWORD(wParam);
  if (code != BN_CLICKED && !(code == 1 && lParam == 0)) return FALSE;
  if (id == IDOK) {
    OnOK();
    return TRUE;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}

BOOL CDialog::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (msg == WM_INITDIALOG) {
    *result = OnInitDialog();
    return TRUE;
  }
  return CWnd::OnWndMsg(msg, wParam, lParam, result);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) { return IsDialogMessage(msg); }

BOOL CDialog::IsDialogMessage(MSG* msg) { return ::IsDialogMessage(m_hWnd, msg); }

// The dialog manager's keys: Enter, Esc and Tab for a message aimed at the dialog or a control.
BOOL IsDialogMessage(HWND dialog, MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN || !platform::tree::IsDescendant(dialog, msg->hwnd)) return FALSE;
  UINT code = msg->hwnd != dialog ? (UINT)::SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, (LPARAM)msg) : 0;
  if (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) return FALSE;
  switch (msg->wParam) {
    case VK_RETURN: {
      if (code & DLGC_DEFPUSHBUTTON || code & DLGC_UNDEFPUSHBUTTON) {
        if (::IsWindowEnabled(msg->hwnd))
          ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(msg->hwnd), BN_CLICKED), (LPARAM)msg->hwnd);
        return TRUE;
      }
      DWORD def = (DWORD)::SendMessage(dialog, DM_GETDEFID, 0, 0);
      UINT id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
      HWND button = ::GetDlgItem(dialog, (int)id);
      if (!button || ::IsWindowEnabled(button))
        ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
      return TRUE;
    }
    case VK_ESCAPE:
      ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, IDCANCEL));
      return TRUE;
    case VK_TAB:
      if (code & DLGC_WANTTAB) return FALSE;
      if (HWND next = NextTabStop(dialog, msg->hwnd, GetKeyState(VK_SHIFT) < 0)) ::SetFocus(next);
      return TRUE;
  }
  return FALSE;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  auto* object = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(dialog));
  if (!object) return FALSE;
  object->EndDialog((int)result);
  return TRUE;
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
  return FromHandle(NextTabStop(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
  std::vector<HWND> controls = platform::Desktop::Children(m_hWnd);
  int n = (int)controls.size(), at = -1;
  for (int i = 0; i < n; ++i)
    if (control && controls[i] == control->m_hWnd) at = i;
  if (at < 0) return nullptr;
  // The group: from the nearest WS_GROUP at or before `at` up to the next WS_GROUP.
  int first = at;
  while (first > 0 && !(GetWindowLong(controls[first], GWL_STYLE) & WS_GROUP)) first--;
  int last = at;
  while (last + 1 < n && !(GetWindowLong(controls[last + 1], GWL_STYLE) & WS_GROUP)) last++;
  int size = last - first + 1;
  for (int step = 1; step < size; ++step) {
    int i = first + ((at - first) + (previous ? size - step : step)) % size;
    DWORD style = (DWORD)GetWindowLong(controls[i], GWL_STYLE);
    if ((style & WS_VISIBLE) && !(style & WS_DISABLED)) return FromHandle(controls[i]);
  }
  return nullptr;
}
