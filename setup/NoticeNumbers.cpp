#include "setup/NoticeNumbers.h"

#include "common/UriParts.h"

void CNoticeNumberList::Upsert(const NoticeNumber& entry) {
  int index = Find(entry.csName, entry.csNumber);
  if (index < 0) {
    m_entries.push_back(entry);
    return;
  }
  NoticeNumber& found = m_entries[index];
  found.csSmsNumber = entry.csSmsNumber;
  found.bSmsChair = entry.bSmsChair;
  found.csEmail = entry.csEmail;
  found.bEmailChair = entry.bEmailChair;
}

void CNoticeNumberList::Remove(const CString& name, const CString& number) {
  int index = Find(name, number);
  if (index >= 0) m_entries.erase(m_entries.begin() + index);
}

int CNoticeNumberList::Find(const CString& name, const CString& number) const {
  for (size_t i = 0; i < m_entries.size(); ++i)
    if (m_entries[i].csName == name && m_entries[i].csNumber == number) return (int)i;
  return -1;
}

void CNoticeNumberList::SetChair(const CString& name, const CString& number, BOOL bChair) {
  for (NoticeNumber& entry : m_entries) {
    BOOL isEntry = entry.csName == name && entry.csNumber == number;
    if (!isEntry && !bChair) continue;
    entry.bSmsChair = entry.bEmailChair = isEntry && bChair;
  }
}

BOOL IsValidSmsNumber(const CString& number) { return IsAllDigits(number); }

BOOL IsValidEmailAddress(const CString& address) {
  return address.IsEmpty() || (address.Find('@') >= 0 && address.Find('.') >= 0);
}

BOOL IsValidNoticeNumber(const CString& number) {
  if (number.IsEmpty()) return FALSE;
  for (int i = 0; i < number.GetLength(); ++i) {
    unsigned char c = (unsigned char)number[i];
    if (c < '!' || c > 'z') return FALSE;
  }
  return TRUE;
}
