#include "host/scenario/BoardAnswers.h"

#include <cstring>

#include "host/scenario/ScenarioWords.h"
#include "platform/Charset.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

// The line-width dialog: its caption (GBK, as the sources are compiled) and its list of widths.
const char* const kWidthDialogTitle = "线形";
constexpr int kWidthList = 1711;

int Int(const std::string& word) {
  int value = 0;
  ParseInt(word, &value);
  return value;
}

bool IsInt(const std::string& word) {
  int value;
  return ParseInt(word, &value);
}

// The effects a font answer may name after its colour.
bool IsFontEffect(const std::string& word) {
  return word == "bold" || word == "italic" || word == "underline" || word == "strike-out";
}

std::string CheckFont(const Args& a) {
  const char* usage =
      "answer-dialog font needs a face, a height in pixels, a colour and maybe bold, italic, underline, strike-out";
  if (a.size() < 4 || a.size() > 8 || !IsInt(a[2]) || Int(a[2]) <= 0 || !IsInt(a[3])) return usage;
  if (charset::Utf8ToGbk(a[1]).size() >= LF_FACESIZE) return "the font's face is too long";
  for (size_t i = 4; i < a.size(); ++i)
    if (!IsFontEffect(a[i])) return usage;
  return "";
}

bool IsWidthDialog(HWND window) {
  char title[16] = {};
  return window && GetDlgItem(window, kWidthList) && GetWindowText(window, title, sizeof title) > 0 &&
         std::strcmp(title, kWidthDialogTitle) == 0;
}

// What a dialog is, as an answer names it ("" for none of them).
std::string DialogKind(HWND window) {
  CWnd* wnd = CWnd::FromHandlePermanent(window);
  if (dynamic_cast<CColorDialog*>(wnd)) return "colour";
  if (dynamic_cast<CFileDialog*>(wnd)) return "file";
  if (dynamic_cast<CFontDialog*>(wnd)) return "font";
  if (IsWidthDialog(window)) return "width";
  return "";
}

void AnswerFont(CFontDialog* dialog, const Args& w) {
  LOGFONT font;
  dialog->GetCurrentFont(&font);
  std::string face = charset::Utf8ToGbk(w[0]);
  std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
  std::memcpy(font.lfFaceName, face.data(), face.size());
  font.lfHeight = -Int(w[1]);
  font.lfWidth = 0;
  font.lfWeight = FW_NORMAL;
  font.lfItalic = 0;
  font.lfUnderline = 0;
  font.lfStrikeOut = 0;
  for (size_t i = 3; i < w.size(); ++i) {
    if (w[i] == "bold") font.lfWeight = FW_BOLD;
    if (w[i] == "italic") font.lfItalic = 1;
    if (w[i] == "underline") font.lfUnderline = 1;
    if (w[i] == "strike-out") font.lfStrikeOut = 1;
  }
  dialog->SetCurrentFont(font);
  dialog->SetCurrentColor((COLORREF)Int(w[2]));
}

// The user scrolls the list to width N, picks it and presses OK.
std::string AnswerWidth(HWND window, int width) {
  HWND list = GetDlgItem(window, kWidthList);
  int count = (int)SendMessage(list, LB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    if ((int)SendMessage(list, LB_GETITEMDATA, (WPARAM)i, 0) != width) continue;
    BringWindowToTop(window);
    SendMessage(list, LB_SETTOPINDEX, (WPARAM)i, 0);
    if (!platform::user::ChooseListItem(list, i)) return "the user cannot pick width " + std::to_string(width);
    return platform::user::ClickItem(window, IDOK) ? "" : "the user cannot press OK";
  }
  return "the line-width dialog offers no width " + std::to_string(width);
}

}  // namespace

bool IsAnswerVerb(const std::string& verb) { return verb == "menu" || verb == "answer-dialog"; }

std::string CheckAnswerStep(const ScenarioStep& step) {
  const Args& a = step.args;
  if (step.verb == "menu") return a.size() == 1 && IsInt(a[0]) ? "" : "menu needs a command id";
  if (a.size() == 2 && a[0] == "colour" && IsInt(a[1])) return "";
  if (a.size() == 2 && a[0] == "file") return "";
  if (a.size() == 2 && a[0] == "width" && IsInt(a[1])) return "";
  if (a.size() == 1 && a[0] == "cancel") return "";
  if (!a.empty() && a[0] == "font") return CheckFont(a);
  return "answer-dialog needs colour N, file PATH, font FACE HEIGHT COLOUR, width N or cancel";
}

void BoardAnswers::Prepare(const ScenarioStep& step) {
  if (step.verb == "menu") menus_.push_back({(UINT)Int(step.args[0]), step.line});
  else dialogs_.push_back({step.args[0], Args(step.args.begin() + 1, step.args.end()), step.line});
}

bool BoardAnswers::EndDrag() {
  bool pending = drag_.active;
  drag_.active = false;
  return pending;
}

bool BoardAnswers::AnswerModal(const platform::ModalState& state, std::string* failure) {
  if (state.kind == platform::ModalKind::Tracker && drag_.active) {
    drag_.active = false;
    platform::user::MouseMove(drag_.surface, drag_.to, true);
    platform::user::MouseUp(drag_.surface, drag_.to);
    return true;
  }
  if (state.kind == platform::ModalKind::Menu && !menus_.empty()) {
    UINT id = menus_.front().id;
    menus_.pop_front();
    if (!platform::Menus::Choose(id)) *failure = "the popup menu offers no command " + std::to_string(id);
    return true;
  }
  return AnswerDialog(state.window, failure);
}

bool BoardAnswers::AnswerDialog(HWND window, std::string* failure) {
  std::string kind = DialogKind(window);
  if (kind.empty() || dialogs_.empty()) return false;
  DialogAnswer answer = dialogs_.front();
  dialogs_.pop_front();
  if (answer.kind != "cancel" && answer.kind != kind) {
    *failure = "a " + kind + " dialog came while the next answer is for a " + answer.kind + " dialog";
    return true;
  }
  if (kind == "width") {
    *failure = answer.kind == "cancel" ? (platform::user::ClickItem(window, IDCANCEL) ? "" : "the user cannot cancel")
                                       : AnswerWidth(window, Int(answer.words[0]));
    return true;
  }
  CWnd* wnd = CWnd::FromHandlePermanent(window);
  if (answer.kind == "colour") static_cast<CColorDialog*>(wnd)->SetCurrentColor((COLORREF)Int(answer.words[0]));
  if (answer.kind == "file") static_cast<CFileDialog*>(wnd)->SetPathName(charset::Utf8ToGbk(answer.words[0]).c_str());
  if (answer.kind == "font") AnswerFont(static_cast<CFontDialog*>(wnd), answer.words);
  static_cast<CDialog*>(wnd)->EndDialog(answer.kind == "cancel" ? IDCANCEL : IDOK);
  return true;
}

std::string BoardAnswers::Unused() const {
  if (!menus_.empty())
    return "line " + std::to_string(menus_.front().line) + ": menu " + std::to_string(menus_.front().id) +
           " was never used: no popup menu came";
  if (dialogs_.empty()) return "";
  const DialogAnswer& answer = dialogs_.front();
  std::string step = "answer-dialog " + answer.kind;
  for (const std::string& word : answer.words) step += " " + QuoteWord(word);
  return "line " + std::to_string(answer.line) + ": " + step + " was never used: no such dialog came";
}

}  // namespace host
