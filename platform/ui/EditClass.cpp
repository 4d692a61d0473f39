// The "Edit" window class: text with a byte limit that never cuts a double-byte character,
// selection, read-only, password and number-only styles; EN_CHANGE after every change,
// programmatic ones included.
#include <algorithm>
#include <string>

#include "platform/Mbcs.h"
#include "platform/ui/Controls.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

const UINT kDefaultLimit = 30000;
const UINT kMaxLimit = 0x7FFFFFFE;

struct EditExtra : WindowExtra {
  UINT limit = kDefaultLimit;
  int selStart = 0;
  int selEnd = 0;
  bool modified = false;
  char passwordChar = 0;
};

DWORD Style(HWND hwnd) { return (DWORD)GetWindowLong(hwnd, GWL_STYLE); }

// The start of the character that contains byte `pos` (a position never splits a character).
int CharStart(const std::string& text, int pos) {
  int i = 0;
  while (i < (int)text.size()) {
    int len = (int)mbcs::CharLength(text.data(), text.size(), i);
    if (i + len > pos) return i;
    i += len;
  }
  return (int)text.size();
}

int PrevChar(const std::string& text, int pos) {
  int i = 0, prev = 0;
  while (i < pos && i < (int)text.size()) {
    prev = i;
    i += (int)mbcs::CharLength(text.data(), text.size(), i);
  }
  return prev;
}

// Replaces the selection with `insert`, cut to the limit when `cut`, else refused when it does
// not fit. Returns whether the text changed; sends EN_CHANGE (or EN_MAXTEXT on refusal).
bool ReplaceSelection(HWND hwnd, EditExtra* e, std::string insert, bool cut) {
  tree::Window* w = tree::Find(hwnd);
  std::string text = w->text.str();
  int lo = std::min(e->selStart, e->selEnd), hi = std::max(e->selStart, e->selEnd);
  size_t room = e->limit > text.size() - (hi - lo) ? e->limit - (text.size() - (hi - lo)) : 0;
  if (insert.size() > room) {
    if (!cut) {
      tree::NotifyParent(hwnd, EN_MAXTEXT);
      return false;
    }
    insert.resize(mbcs::SafeCut(insert.data(), insert.size(), room));
  }
  if (insert.empty() && lo == hi) return false;
  text.replace(lo, hi - lo, insert);
  w->text = text;
  e->selStart = e->selEnd = lo + (int)insert.size();
  e->modified = true;
  tree::NotifyParent(hwnd, EN_CHANGE);
  return true;
}

// A typed character (a double-byte character comes as one WM_CHAR with both bytes).
void TypeChar(HWND hwnd, EditExtra* e, UINT ch) {
  DWORD style = Style(hwnd);
  if (style & ES_READONLY) return;
  std::string text = tree::Find(hwnd)->text.str();
  if (ch == VK_BACK) {
    if (e->selStart == e->selEnd) {
      if (e->selStart == 0) return;
      e->selStart = PrevChar(text, e->selStart);
    }
    ReplaceSelection(hwnd, e, "", false);
    return;
  }
  std::string insert;
  if (ch == '\r') {
    if (!(style & ES_MULTILINE)) return;
    insert = "\r\n";
  } else if (ch > 0xFF) {
    if (style & ES_NUMBER) return;
    insert = {(char)(ch >> 8), (char)(ch & 0xFF)};
  } else if (ch >= 0x20) {
    char c = (char)ch;
    if ((style & ES_NUMBER) && !(c >= '0' && c <= '9')) return;
    if ((style & ES_UPPERCASE) && c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
    if ((style & ES_LOWERCASE) && c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
    insert = std::string(1, c);
  } else {
    return;
  }
  ReplaceSelection(hwnd, e, insert, false);
}

void KeyDown(HWND hwnd, EditExtra* e, UINT vk) {
  std::string text = tree::Find(hwnd)->text.str();
  int len = (int)text.size();
  switch (vk) {
    case VK_DELETE:
      if (Style(hwnd) & ES_READONLY) return;
      if (e->selStart == e->selEnd) {
        if (e->selEnd >= len) return;
        e->selEnd += (int)mbcs::CharLength(text.data(), text.size(), e->selEnd);
      }
      ReplaceSelection(hwnd, e, "", false);
      return;
    case VK_HOME: e->selStart = e->selEnd = 0; return;
    case VK_END: e->selStart = e->selEnd = len; return;
    case VK_LEFT: e->selStart = e->selEnd = PrevChar(text, std::min(e->selStart, e->selEnd)); return;
    case VK_RIGHT: {
      int at = std::max(e->selStart, e->selEnd);
      if (at < len) at += (int)mbcs::CharLength(text.data(), text.size(), at);
      e->selStart = e->selEnd = at;
      return;
    }
  }
}

void SetSel(HWND hwnd, EditExtra* e, int start, int end) {
  const std::string& text = tree::Find(hwnd)->text.str();
  int len = (int)text.size();
  if (start == -1) {
    e->selStart = e->selEnd = std::max(e->selStart, e->selEnd);
    return;
  }
  if (end < 0 || end > len) end = len;
  if (start < 0 || start > len) start = len;
  e->selStart = CharStart(text, std::min(start, end));
  e->selEnd = CharStart(text, std::max(start, end));
}

LRESULT DialogCode(HWND hwnd, WPARAM key, LPARAM msgPtr) {
  LRESULT code = DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
  const MSG* m = (const MSG*)msgPtr;
  DWORD style = Style(hwnd);
  if (m && m->message == WM_KEYDOWN && key == VK_RETURN && (style & ES_MULTILINE) && (style & ES_WANTRETURN))
    code |= DLGC_WANTMESSAGE;
  return code;
}

}  // namespace

LRESULT EditClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* e = GetWindowExtraAs<EditExtra>(hwnd);
  switch (msg) {
    case WM_NCCREATE:
      SetWindowExtra(hwnd, std::make_unique<EditExtra>());
      return TRUE;
    case WM_GETDLGCODE:
      return DialogCode(hwnd, wParam, lParam);
    case WM_SETTEXT:
      if (!e) break;
      tree::Find(hwnd)->text = (const char*)lParam;
      e->selStart = e->selEnd = 0;
      e->modified = false;
      tree::NotifyParent(hwnd, EN_CHANGE);
      return TRUE;
    case WM_CHAR:
      if (e) TypeChar(hwnd, e, (UINT)wParam);
      return 0;
    case WM_KEYDOWN:
      if (e) KeyDown(hwnd, e, (UINT)wParam);
      return 0;
    case WM_LBUTTONDOWN:
      ::SetFocus(hwnd);
      return 0;
    case WM_SETFOCUS:
      tree::NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      tree::NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    case EM_LIMITTEXT:
      if (e) e->limit = wParam ? (UINT)std::min<WPARAM>(wParam, kMaxLimit) : kMaxLimit;
      return 0;
    case EM_GETLIMITTEXT:
      return e ? e->limit : 0;
    case EM_SETSEL:
      if (e) SetSel(hwnd, e, (int)wParam, (int)lParam);
      return 0;
    case EM_GETSEL:
      if (!e) return 0;
      if (wParam) *(DWORD*)wParam = (DWORD)e->selStart;
      if (lParam) *(DWORD*)lParam = (DWORD)e->selEnd;
      return MAKELONG(e->selStart, e->selEnd);
    case EM_REPLACESEL:
      if (e) ReplaceSelection(hwnd, e, lParam ? (const char*)lParam : "", true);
      return 0;
    case EM_SETREADONLY: {
      DWORD style = Style(hwnd);
      SetWindowLong(hwnd, GWL_STYLE, (LONG)(wParam ? style | ES_READONLY : style & ~ES_READONLY));
      return TRUE;
    }
    case EM_SETPASSWORDCHAR: {
      if (!e) return 0;
      e->passwordChar = (char)wParam;
      DWORD style = Style(hwnd);
      SetWindowLong(hwnd, GWL_STYLE, (LONG)(wParam ? style | ES_PASSWORD : style & ~ES_PASSWORD));
      return 0;
    }
    case EM_GETPASSWORDCHAR:
      if (!e || !(Style(hwnd) & ES_PASSWORD)) return 0;
      return (unsigned char)(e->passwordChar ? e->passwordChar : '*');
    case EM_GETMODIFY:
      return e && e->modified;
    case EM_SETMODIFY:
      if (e) e->modified = wParam != 0;
      return 0;
    case EM_GETLINECOUNT: {
      const std::string& text = tree::Find(hwnd)->text.str();
      return 1 + std::count(text.begin(), text.end(), '\n');
    }
  }
  return GenericWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace platform
