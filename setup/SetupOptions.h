// What the create and book pages share of their options: the field checks of OK, the
// split-screen list, the defaults' ranges, the import of the defaults into the edits, the
// member-number form that goes into a request and the loop over typed member numbers.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "platform/CString.h"

class CWnd;
class CComboBox;

// One field check of OK: the control, the text when it is empty, the text when it is not all
// digits.
struct FieldCheck {
  int id;
  const char* emptyText;
  const char* notDigitsText;
};

// The first failing check on the controls' texts, "" when all pass; the control checked last
// goes to *focusId.
CString FirstFieldRefusal(CWnd* page, const FieldCheck* checks, size_t count, int* focusId);
template <size_t N>
CString FirstFieldRefusal(CWnd* page, const FieldCheck (&checks)[N], int* focusId) {
  return FirstFieldRefusal(page, checks, N, focusId);
}

// "1 分屏" (1), "4 分屏" (4) and, unless the media server is "convedia" (any case), "6 分屏" (6).
void FillSplitScreenCombo(CComboBox& combo);

// A default in 1..999, else the fallback.
int DefaultInRange(int value, int fallback);

// The edits that take the module's defaults as they stand (button "导入缺省设置(D)").
struct DefaultsEdits {
  int subject;
  int chairPwd, chairPwdAgain;
  int memberPwd, memberPwdAgain;
  int visitorPwd, visitorPwdAgain;
  int duration, maxMembers, remainNotice;
};
void ImportDefaultsInto(CWnd* page, const DefaultsEdits& edits);

// A listed member number in the form a request carries: pause form, "sip:"/"tel:" address,
// pauses restored; "" when it does not convert.
CString NormaliseMemberNumber(CString number);

// The pieces of a text between the separators, empty ones included ("" gives none).
std::vector<CString> SplitAt(const CString& text, char separator);

// Typed member numbers: the text cut at ';' and, when fullWidthToo, at the full-width '；' (a
// whole GBK character, never half of one); empty pieces are left out.
std::vector<CString> SplitTypedNumbers(const CString& text, bool fullWidthToo);

// What became of a number offered to a page's member list: listed, dropped, kept in the entry
// for correction, refused because the list is full, or the adding stops (the client signs out,
// the page was closed meanwhile).
enum class TypedNumberResult { Added, Dropped, Kept, Full, Stop };
// Offers each typed number to `add` in order while the page stays open; the numbers that stay
// in the entry (those kept, and from a Full one on the rest) joined with ";". *end is Full or
// Stop when that ended the loop, else Added.
CString AddTypedNumberList(const std::vector<CString>& tokens, const CWnd* page,
                           const std::function<TypedNumberResult(const CString&)>& add, TypedNumberResult* end);

// The typed-number tip of an audio conference.
extern const char kNumberTipWithExtensions[];
