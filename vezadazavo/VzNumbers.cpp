// Member numbers and addresses: the pause form, address forms, the user's own numbers and the
// whole form of short numbers.
#include "vezadazavo/VezadaZavo.h"
#include "vezadazavo/VzAddress.h"

namespace {

const char kPause[] = "%2C";

bool IsDialChar(char c) { return (c >= '0' && c <= '9') || c == '*' || c == '#' || c == ','; }

bool IsDialString(const CString& text) {
  if (text.IsEmpty()) return false;
  for (int i = 0; i < text.GetLength(); ++i)
    if (!IsDialChar(text[i])) return false;
  return true;
}

// The number without "tel:" and pauses, for comparing telephone numbers.
CString PlainNumber(CString number) {
  CString lower = number.Left(4);
  lower.MakeLower();
  if (lower == "tel:") number = number.Mid(4);
  int cut = number.FindOneOf(",;%");
  return cut >= 0 ? number.Left(cut) : number;
}

bool IsOwnPhone(const CString& number) {
  const tagMyInfo& me = VzData().myInfo;
  CString plain = PlainNumber(number);
  if (plain.IsEmpty()) return false;
  return plain == me.csMobile || plain == me.csOfficePhone || plain == GetWholePhoneNumber_Zero(me.csMobile) ||
         plain == GetWholePhoneNumber_Zero(me.csOfficePhone);
}

bool IsOwnSipAddress(const CString& uri) {
  CString own = vz::UserAtHost(VzData().myInfo.csSipURI);
  return !own.IsEmpty() && vz::UserAtHost(uri).CompareNoCase(own) == 0;
}

}  // namespace

namespace vz {

bool HasScheme(const CString& text) {
  CString lower = text.Left(4);
  lower.MakeLower();
  return lower == "sip:" || lower == "tel:";
}

bool IsUserAtHost(const CString& text) {
  int at = text.Find('@');
  return at > 0 && at < text.GetLength() - 1 && text.Find(' ') < 0 && text.Find('@', at + 1) < 0;
}

CString UserPart(CString uri) {
  int colon = uri.Find(':');
  if (colon >= 0) uri = uri.Mid(colon + 1);
  int end = uri.FindOneOf("@;");
  return end >= 0 ? uri.Left(end) : uri;
}

bool IsDigits(const CString& text) { return !text.IsEmpty() && text.SpanIncluding("0123456789") == text; }

CString UserAtHost(CString uri) {
  int colon = uri.Find(':');
  if (colon >= 0 && HasScheme(uri)) uri = uri.Mid(colon + 1);
  int end = uri.Find(';');
  return end >= 0 ? uri.Left(end) : uri;
}

}  // namespace vz

int CommaConvertPre(CString in, CString* out, int mode) {
  in.Trim();
  if (!(IsDialString(in) || (vz::HasScheme(in) && in.GetLength() > 4) || vz::IsUserAtHost(in))) return 0;
  if (out) {
    *out = in;
    out->Replace(",", kPause);
  }
  return 1;
}

int PreTEL_SIPnumber(CString in, CString* out) {
  CString address;
  if (vz::HasScheme(in) && in.GetLength() > 4)
    address = in;
  else if (vz::IsUserAtHost(in))
    address = "sip:" + in;
  else if (!in.IsEmpty() && in.SpanIncluding("0123456789*#%2C") == in)
    address = "tel:" + in;
  else
    return 0;
  if (out) *out = address;
  return 1;
}

int CommaConvertSuf(CString* io, int mode) {
  if (!io) return 0;
  return io->Replace(kPause, ",");
}

BOOL IsSIPnumber(CString number) {
  number.Trim();
  CString scheme = number.Left(4);
  scheme.MakeLower();
  if (scheme == "sip:") return number.GetLength() > 4;
  return scheme != "tel:" && vz::IsUserAtHost(number);
}

BOOL IsMySelf(CString uri) {
  uri.Trim();
  if (uri.IsEmpty()) return FALSE;
  return IsOwnSipAddress(uri) || IsOwnPhone(uri);
}

int GetCallMySelfType() { return VzData().states.iCallMySelfType; }

BOOL CanCallMySelf(int type, CString uri) {
  switch (type) {
    case 1: return TRUE;
    case 3: return !IsOwnSipAddress(uri);
    default: return FALSE;
  }
}

CString GetWholePhoneNumber_Zero(CString number) {
  for (const PHONEBOOK_INFO& entry : VzData().phoneBook) {
    if (!entry.csPhone1.IsEmpty() && entry.csPhone1 == number && !entry.csPhone1Whole.IsEmpty())
      return entry.csPhone1Whole;
    if (!entry.csPhone2.IsEmpty() && entry.csPhone2 == number && !entry.csPhone2Whole.IsEmpty())
      return entry.csPhone2Whole;
  }
  if (number.GetLength() == 11 && number[0] == '1' && vz::IsDigits(number)) return "0" + number;
  return number;
}
