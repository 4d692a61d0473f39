#include "host/scenario/BoxWords.h"

#include "host/scenario/ScenarioWords.h"
#include "platform/Charset.h"
#include "platform/ui/MessageBox.h"

namespace host {
namespace {

struct AnswerName {
  const char* name;
  int answer;
};
const AnswerName kAnswers[] = {{"ok", IDOK},         {"cancel", IDCANCEL}, {"abort", IDABORT}, {"retry", IDRETRY},
                               {"ignore", IDIGNORE}, {"yes", IDYES},       {"no", IDNO}};

bool ParseAnswer(const std::string& word, int* answer) {
  for (const AnswerName& a : kAnswers)
    if (word == a.name) {
      *answer = a.answer;
      return true;
    }
  return ParseInt(word, answer) && *answer > 0;
}

// A box's text on one line: line breaks shown as \r and \n.
std::string OneLine(const CString& gbk) {
  std::string text;
  for (char c : charset::GbkToUtf8(gbk.str())) {
    if (c == '\r') text += "\\r";
    else if (c == '\n') text += "\\n";
    else text += c;
  }
  return text;
}

}  // namespace

bool IsBoxVerb(const std::string& verb) {
  return verb == "expect-box" || verb == "expect-no-box" || verb == "answer-box";
}

std::string CheckBoxStep(const ScenarioStep& step) {
  int answer = 0;
  if (step.verb == "expect-box") return step.args.size() == 1 ? "" : "expect-box needs the box's text";
  if (step.verb == "expect-no-box") return step.args.empty() ? "" : "expect-no-box takes nothing";
  return step.args.size() == 1 && ParseAnswer(step.args[0], &answer)
             ? ""
             : "answer-box needs ok, cancel, abort, retry, ignore, yes, no or a button number";
}

BoxWatch::BoxWatch()
    : printed_(platform::MessageBoxes::Shown().size()), checked_(platform::MessageBoxes::Shown().size()) {}

std::string BoxWatch::Play(const ScenarioStep& step) {
  if (step.verb == "answer-box") {
    int answer = 0;
    ParseAnswer(step.args[0], &answer);
    platform::MessageBoxes::Script(answer);
    answerLines_.push_back(step.line);
    return "";
  }
  const std::vector<platform::MessageBoxRecord>& shown = platform::MessageBoxes::Shown();
  if (step.verb == "expect-no-box") {
    std::string failure = "the module showed since the last box check:";
    for (size_t i = checked_; i < shown.size(); ++i) failure += " \"" + OneLine(shown[i].text) + "\"";
    bool none = checked_ == shown.size();
    checked_ = shown.size();
    return none ? "" : failure;
  }
  std::string wanted = charset::Utf8ToGbk(step.args[0]);
  for (size_t i = checked_; i < shown.size(); ++i) {
    if (shown[i].text.str() != wanted) continue;
    checked_ = i + 1;
    return "";
  }
  std::string failure = "no box \"" + step.args[0] + "\" since the last expect-box; shown:";
  if (checked_ == shown.size()) failure += " none";
  for (size_t i = checked_; i < shown.size(); ++i) failure += " \"" + OneLine(shown[i].text) + "\"";
  checked_ = shown.size();
  return failure;
}

std::string BoxWatch::NewBoxes() {
  const std::vector<platform::MessageBoxRecord>& shown = platform::MessageBoxes::Shown();
  std::string lines;
  for (; printed_ < shown.size(); ++printed_) {
    const platform::MessageBoxRecord& box = shown[printed_];
    lines += "module box \"" + OneLine(box.text) + "\" titled \"" + OneLine(box.caption) + "\" answered " +
             std::to_string(box.answer) + "\n";
  }
  return lines;
}

std::string BoxWatch::UnusedAnswer() const {
  size_t left = platform::MessageBoxes::ScriptedLeft();
  if (left == 0) return "";
  std::string line = left <= answerLines_.size() ? "line " + std::to_string(answerLines_[answerLines_.size() - left]) + ": " : "";
  return line + "an answer-box answer was never used: no message box came";
}

}  // namespace host
