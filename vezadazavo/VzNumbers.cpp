// Member numbers and addresses: the pause form, address forms and lookups by URI.
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kPause[] = "%2C";

bool IsDialChar(char c) { return (c >= '0' && c <= '9') || c == '*' || c == '#' || c == ','; }

bool IsDialString(const CString& text) {
  if (text.IsEmpty()) return false;
  for (int i = 0; i < text.GetLength(); ++i)
    if (!IsDialChar(text[i])) return false;
  return true;
}

bool HasScheme(const CString& text) {
  CString lower = text.Left(4);
  lower.MakeLower();
  return lower == "sip:" || lower == "tel:";
}

// user@host with a non-empty user and host and no blanks.
bool IsUserAtHost(const CString& text) {
  int at = text.Find('@');
  return at > 0 && at < text.GetLength() - 1 && text.Find(' ') < 0 && text.Find('@', at + 1) < 0;
}

// The user part of "scheme:user@host;resource".
CString UserPart(CString uri) {
  int colon = uri.Find(':');
  if (colon >= 0) uri = uri.Mid(colon + 1);
  int end = uri.FindOneOf("@;");
  return end >= 0 ? uri.Left(end) : uri;
}

template <typename T>
T* FindByURI(std::vector<T>& list, const CString& uri) {
  for (T& entry : list)
    if (!uri.IsEmpty() && entry.csSipURI.CompareNoCase(uri) == 0) return &entry;
  return nullptr;
}

}  // namespace

int CommaConvertPre(CString in, CString* out, int mode) {
  in.Trim();
  if (!(IsDialString(in) || (HasScheme(in) && in.GetLength() > 4) || IsUserAtHost(in))) return 0;
  if (out) {
    *out = in;
    out->Replace(",", kPause);
  }
  return 1;
}

int PreTEL_SIPnumber(CString in, CString* out) {
  CString address;
  if (HasScheme(in) && in.GetLength() > 4)
    address = in;
  else if (IsUserAtHost(in))
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

DEPT_ADDRESSLIST_INFO* FindDeptPhoneBook(CString uri) { return FindByURI(VzData().deptPhoneBook, uri); }

DEPT_ADDRESSLIST_INFO* FindDeptPhoneBookSearch(CString uri) {
  return FindByURI(VzData().deptPhoneBookSearch, uri);
}

PHONEBOOK_INFO* FindPhoneBookByURI(CString uri) { return FindByURI(VzData().phoneBook, uri); }

CString GetUserNameByPhone(CString uri, int reserved1, int reserved2) {
  if (PHONEBOOK_INFO* entry = FindPhoneBookByURI(uri))
    if (!entry->csName.IsEmpty()) return entry->csName;
  if (DEPT_ADDRESSLIST_INFO* member = FindDeptPhoneBook(uri))
    if (!member->csName.IsEmpty()) return member->csName;
  if (VzData().myInfo.csSipURI.CompareNoCase(uri) == 0 && !VzData().myInfo.csName.IsEmpty())
    return VzData().myInfo.csName;
  return UserPart(uri);
}
