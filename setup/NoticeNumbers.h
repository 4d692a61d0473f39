// The notice entries of a booking: for every member of the book page, the SMS number and the
// e-mail address to which the booked conference is announced, each flagged when it is the
// chair's. The book page owns the list; the notice numbers dialog edits it.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Win32Types.h"

struct NoticeNumber {
  CString csName;    // key, with the number
  CString csNumber;  // key, with the name
  CString csSmsNumber;
  BOOL bSmsChair = FALSE;
  CString csEmail;
  BOOL bEmailChair = FALSE;
};

class CNoticeNumberList {
 public:
  // The entry with the same (name, number) takes the entry's four other values; without one
  // the entry is appended.
  void Upsert(const NoticeNumber& entry);
  // Removes the entry with that (name, number), when there is one.
  void Remove(const CString& name, const CString& number);
  void RemoveAll() { m_entries.clear(); }
  // Index of the entry with that (name, number), -1 when none.
  int Find(const CString& name, const CString& number) const;
  // Both flags of the entry with that (name, number) become bChair; with bChair every other
  // entry loses its flags, so only the chair's addresses are flagged.
  void SetChair(const CString& name, const CString& number, BOOL bChair);

  int GetCount() const { return (int)m_entries.size(); }
  const NoticeNumber& operator[](int index) const { return m_entries[index]; }

 private:
  std::vector<NoticeNumber> m_entries;  // in the order of adding
};

// An SMS number is empty or digits only.
BOOL IsValidSmsNumber(const CString& number);
// An e-mail address is empty or holds an '@' and a '.' somewhere.
BOOL IsValidEmailAddress(const CString& address);
// A typed notice number: not empty, every character printable ASCII from '!' to 'z'.
BOOL IsValidNoticeNumber(const CString& number);
