// The personal phone book and the department phone books: lookups by URI, display names and
// notice addresses.
#include "vezadazavo/VezadaZavo.h"
#include "vezadazavo/VzAddress.h"

namespace {

template <typename T>
T* FindByURI(std::vector<T>& list, const CString& uri) {
  for (T& entry : list)
    if (!uri.IsEmpty() && entry.csSipURI.CompareNoCase(uri) == 0) return &entry;
  return nullptr;
}

// A phone-book entry by its SIP address (also written without scheme) or one of its numbers.
const PHONEBOOK_INFO* FindPhoneBookEntry(const CString& number) {
  CString uri = !vz::HasScheme(number) && vz::IsUserAtHost(number) ? "sip:" + number : number;
  if (const PHONEBOOK_INFO* entry = FindPhoneBookByURI(uri)) return entry;
  CString plain = number;
  if (vz::HasScheme(plain)) plain = vz::UserPart(plain);
  for (const PHONEBOOK_INFO& entry : VzData().phoneBook)
    if (!plain.IsEmpty() && (plain == entry.csPhone1 || plain == entry.csPhone2 || plain == entry.csPhone1Whole ||
                             plain == entry.csPhone2Whole))
      return &entry;
  return nullptr;
}

// A person by SIP address, also written without scheme.
const DEPT_ADDRESSLIST_INFO* FindPerson(const CString& number) {
  CString uri = !vz::HasScheme(number) && vz::IsUserAtHost(number) ? "sip:" + number : number;
  if (const DEPT_ADDRESSLIST_INFO* person = FindDeptPhoneBook(uri)) return person;
  return FindDeptPhoneBookSearch(uri);
}

}  // namespace

const std::vector<PHONEBOOK_INFO>* GetPhoneBooks() {
  return VzData().phoneBook.empty() ? nullptr : &VzData().phoneBook;
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
  return vz::UserPart(uri);
}

// SMS: the person's or entry's second number (the mobile), else its first; a bare telephone
// number is its own SMS number. E-mail: the record's address.
CString GetDesignatedNumberByURI(int kind, CString number, int source) {
  number.Trim();
  const PHONEBOOK_INFO* entry = FindPhoneBookEntry(number);
  const DEPT_ADDRESSLIST_INFO* person = entry ? nullptr : FindPerson(number);
  if (kind == 2) return entry ? entry->csEmail : person ? person->csEmail : CString();
  if (kind != 1) return CString();
  if (entry) return !entry->csPhone2Whole.IsEmpty() ? entry->csPhone2Whole : entry->csPhone1Whole;
  if (person) return !person->csPhone2.IsEmpty() ? person->csPhone2 : person->csPhone1;
  CString plain = number.Left(4).CompareNoCase("tel:") == 0 ? number.Mid(4) : number;
  return vz::IsDigits(plain) ? plain : CString();
}
