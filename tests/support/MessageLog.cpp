#include "tests/support/MessageLog.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "platform/ui/Messages.h"

namespace tavtest {

MessageLog::MessageLog() {
  platform::Desktop::SetMessageSpy([this](const MSG& m) {
    if (!only_.empty() && std::find(only_.begin(), only_.end(), m.message) == only_.end()) return;
    if (!keep_ || keep_(m)) log_.push_back(m);
  });
}

MessageLog::~MessageLog() { platform::Desktop::SetMessageSpy(nullptr); }

std::vector<UINT> MessageLog::For(HWND hwnd) const {
  std::vector<UINT> out;
  for (const MSG& m : log_)
    if (m.hwnd == hwnd) out.push_back(m.message);
  return out;
}

std::string MessageLog::Name(UINT message) {
  switch (message) {
#define NAME(m) \
  case m:       \
    return #m;
    NAME(WM_CREATE) NAME(WM_DESTROY) NAME(WM_MOVE) NAME(WM_SIZE) NAME(WM_ACTIVATE) NAME(WM_SETFOCUS)
    NAME(WM_KILLFOCUS) NAME(WM_ENABLE) NAME(WM_SETTEXT) NAME(WM_GETTEXT) NAME(WM_GETTEXTLENGTH) NAME(WM_PAINT)
    NAME(WM_CLOSE) NAME(WM_SHOWWINDOW) NAME(WM_NCCREATE) NAME(WM_NCDESTROY) NAME(WM_GETDLGCODE)
    NAME(WM_KEYDOWN) NAME(WM_KEYUP) NAME(WM_CHAR) NAME(WM_INITDIALOG) NAME(WM_COMMAND) NAME(WM_SYSCOMMAND)
    NAME(WM_TIMER) NAME(WM_MOUSEMOVE) NAME(WM_LBUTTONDOWN) NAME(WM_LBUTTONUP) NAME(WM_LBUTTONDBLCLK)
    NAME(WM_RBUTTONDOWN) NAME(WM_RBUTTONUP) NAME(WM_CAPTURECHANGED) NAME(WM_NOTIFY) NAME(WM_MEASUREITEM)
#undef NAME
  }
  char text[32];
  snprintf(text, sizeof text, "0x%04x", message);
  return text;
}

std::string MessageLog::Compare(const std::vector<ExpectedMessage>& expected) const {
  size_t n = std::max(expected.size(), log_.size());
  for (size_t i = 0; i < n; ++i) {
    bool same = i < expected.size() && i < log_.size() && expected[i].message == log_[i].message &&
                (!expected[i].hwnd || expected[i].hwnd == log_[i].hwnd) &&
                (!expected[i].checkParams ||
                 (expected[i].wParam == log_[i].wParam && expected[i].lParam == log_[i].lParam));
    if (same) continue;
    std::ostringstream out;
    out << "first difference at message " << i << "\n  expected:";
    for (const ExpectedMessage& e : expected) out << " " << Name(e.message);
    out << "\n  received:";
    for (const MSG& m : log_) out << " " << Name(m.message);
    return out.str();
  }
  return "";
}

}  // namespace tavtest
