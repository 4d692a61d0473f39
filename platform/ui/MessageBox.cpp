#include "platform/ui/MessageBox.h"

#include <deque>

#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/WindowTree.h"

namespace platform {
namespace {

struct Boxes {
  std::vector<MessageBoxRecord> shown;
  std::deque<int> script;
  std::vector<size_t> open;  // indexes into `shown` of the boxes being shown, innermost last
  CString appName = "Tavorine";
};

Boxes& B() {
  static auto* boxes = new Boxes;
  return *boxes;
}

// A box waits as a hidden top-level window with the box's caption, so that it has a handle.
HWND MakeBoxWindow(HWND owner, const char* caption) {
  tree::CreateParams p = {0, kDialogClass, caption, WS_POPUP | WS_CAPTION, {0, 0, 0, 0}, owner, 0, nullptr};
  return tree::Create(p, nullptr);
}

}  // namespace

void MessageBoxes::Reset() {
  Boxes& b = B();
  b.shown.clear();
  b.script.clear();
  b.open.clear();
}

void MessageBoxes::Script(int answer) { B().script.push_back(answer); }

size_t MessageBoxes::ScriptedLeft() { return B().script.size(); }

const std::vector<MessageBoxRecord>& MessageBoxes::Shown() { return B().shown; }

const MessageBoxRecord* MessageBoxes::Current() {
  Boxes& b = B();
  return b.open.empty() ? nullptr : &b.shown[b.open.back()];
}

bool MessageBoxes::AnswerCurrent(int answer) {
  Boxes& b = B();
  if (b.open.empty()) return false;
  b.shown[b.open.back()].answer = answer;
  return true;
}

int MessageBoxes::DefaultAnswer(UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return IDOK;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL: return IDYES;
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    case MB_CANCELTRYCONTINUE: return IDCANCEL;
  }
  return IDOK;
}

void MessageBoxes::SetAppName(const char* name) { B().appName = name; }

const CString& MessageBoxes::AppName() { return B().appName; }

}  // namespace platform

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT flags) {
  using platform::B;
  platform::Boxes& b = B();
  size_t index = b.shown.size();
  b.shown.push_back({owner, text, caption ? caption : "错误", flags, 0});
  b.open.push_back(index);
  HWND top = owner ? platform::tree::TopLevelOf(owner) : nullptr;
  bool disabled = top && IsWindowEnabled(top);
  if (disabled) EnableWindow(top, FALSE);
  HWND box = platform::MakeBoxWindow(top, caption ? caption : "错误");
  auto answered = [index] { return B().shown[index].answer != 0; };
  platform::Desktop::RunModalLoop(platform::ModalKind::MessageBox, box, [&] { return !answered(); }, [index] {
    platform::Boxes& boxes = B();
    int answer = platform::MessageBoxes::DefaultAnswer(boxes.shown[index].flags);
    if (!boxes.script.empty()) {
      answer = boxes.script.front();
      boxes.script.pop_front();
    }
    boxes.shown[index].answer = answer;
    return true;
  });
  if (IsWindow(box)) DestroyWindow(box);
  if (disabled && IsWindow(top)) EnableWindow(top, TRUE);
  b.open.pop_back();
  return b.shown[index].answer;
}

int AfxMessageBox(LPCTSTR text, UINT flags, UINT) {
  return MessageBox(GetActiveWindow(), text, platform::MessageBoxes::AppName(), flags);
}

int AfxMessageBox(UINT promptId, UINT flags, UINT) {
  CString text;
  text.LoadString(promptId);
  return AfxMessageBox(text, flags, 0);
}
