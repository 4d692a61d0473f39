#include "setup/SetupOptions.h"

#include <cstring>

#include "common/UriParts.h"
#include "module/TavorineModule.h"
#include "module/WindowRoutines.h"
#include "platform/Mbcs.h"
#include "platform/ui/Controls.h"
#include "vezadazavo/VezadaZavo.h"

const char kNumberTipWithExtensions[] =
    "外线号码前需加0； 可以一次添加多个成员，以分号';'分隔； 如需邀请分机成员，请在主机号和分机号之间输入英文标点','来表示延时";

CString FirstFieldRefusal(CWnd* page, const FieldCheck* checks, size_t count, int* focusId) {
  for (size_t i = 0; i < count; ++i) {
    CString text;
    page->GetDlgItemText(checks[i].id, text);
    *focusId = checks[i].id;
    if (text.IsEmpty()) return checks[i].emptyText;
    if (!IsAllDigits(text)) return checks[i].notDigitsText;
  }
  return CString();
}

void FillSplitScreenCombo(CComboBox& combo) {
  combo.ResetContent();
  combo.SetItemData(combo.AddString("1 分屏"), 1);
  combo.SetItemData(combo.AddString("4 分屏"), 4);
  XCAP_CAPS_INFO* caps = GetXCapCapsInfo();
  CString server = caps ? caps->csMediaServer : CString();
  if (server.CompareNoCase("convedia") != 0) combo.SetItemData(combo.AddString("6 分屏"), 6);
}

int DefaultInRange(int value, int fallback) { return value >= 1 && value <= 999 ? value : fallback; }

void ImportDefaultsInto(CWnd* page, const DefaultsEdits& edits) {
  const ConfDefaultData& defaults = TavorineModule()->m_confDefaultData;
  page->SetDlgItemText(edits.subject, defaults.subject);
  page->SetDlgItemText(edits.chairPwd, defaults.masterpwd);
  page->SetDlgItemText(edits.chairPwdAgain, defaults.masterpwd);
  page->SetDlgItemText(edits.memberPwd, defaults.mempwd);
  page->SetDlgItemText(edits.memberPwdAgain, defaults.mempwd);
  page->SetDlgItemText(edits.visitorPwd, defaults.visitorpwd);
  page->SetDlgItemText(edits.visitorPwdAgain, defaults.visitorpwd);
  const int numbers[][2] = {{edits.duration, defaults.period},
                            {edits.maxMembers, defaults.maxnum},
                            {edits.remainNotice, defaults.remaintime}};
  for (const auto& number : numbers) {
    CString text;
    text.Format("%d", number[1]);
    page->SetDlgItemText(number[0], text);
  }
}

CString NormaliseMemberNumber(CString number) {
  int pauses = CommaConvertPre(number, &number, 0);
  CString uri;
  PreTEL_SIPnumber(number, &uri);
  number = uri;
  if (pauses) {
    CommaConvertSuf(&number, 0);
    CommaConvertPre(number, &number, -1);
  }
  return number;
}

std::vector<CString> SplitAt(const CString& text, char separator) {
  std::vector<CString> parts;
  if (text.IsEmpty()) return parts;
  int start = 0;
  for (int at; (at = text.Find(separator, start)) >= 0; start = at + 1) parts.push_back(text.Mid(start, at - start));
  parts.push_back(text.Mid(start));
  return parts;
}

std::vector<CString> SplitTypedNumbers(const CString& text, bool fullWidthToo) {
  static const char kFullWidthSemicolon[] = "；";
  std::vector<CString> tokens;
  const char* s = text;
  size_t len = strlen(s);
  size_t start = 0;
  for (size_t i = 0; i <= len;) {
    size_t step = i < len ? mbcs::CharLength(s, len, i) : 1;
    bool cut = i == len || s[i] == ';' || (fullWidthToo && step == 2 && memcmp(s + i, kFullWidthSemicolon, 2) == 0);
    if (cut) {
      if (i > start) tokens.push_back(CString(s + start, (int)(i - start)));
      start = i + step;
    }
    i += step;
  }
  return tokens;
}

namespace {

void KeepToken(CString* kept, const CString& token) {
  if (!kept->IsEmpty()) *kept += ";";
  *kept += token;
}

}  // namespace

CString AddTypedNumberList(const std::vector<CString>& tokens, const CWnd* page,
                           const std::function<TypedNumberResult(const CString&)>& add, TypedNumberResult* end) {
  CString kept;
  *end = TypedNumberResult::Added;
  for (size_t i = 0; i < tokens.size(); ++i) {
    TypedNumberResult result = WindowClosing(page) ? TypedNumberResult::Stop : add(tokens[i]);
    if (result == TypedNumberResult::Stop) {
      *end = result;
      return kept;
    }
    if (result == TypedNumberResult::Full) {
      for (; i < tokens.size(); ++i) KeepToken(&kept, tokens[i]);
      *end = result;
      break;
    }
    if (result == TypedNumberResult::Kept) KeepToken(&kept, tokens[i]);
  }
  kept.Trim();
  return kept;
}
