// Ini files (GetPrivateProfile*, WritePrivateProfileString) and StrToInt, with Win32 behaviour:
// sections and keys match without case; a key's value is the text after '=' trimmed of blanks
// and of one pair of enclosing quotes; GetPrivateProfileInt takes the leading decimal digits
// (with a sign) of the value and gives the default only when the key is absent.
#pragma once

#include "platform/Win32Types.h"

// Leading blanks, an optional sign, then decimal digits; 0 when there are none ("abc" -> 0).
int StrToInt(LPCTSTR text);
#define StrToIntA StrToInt

UINT GetPrivateProfileInt(LPCTSTR section, LPCTSTR key, int defaultValue, LPCTSTR file);
// Copies the value (or the default) into `buffer`, cut to size - 1 bytes without splitting a
// double-byte character; returns the number of bytes copied.
DWORD GetPrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR defaultValue, LPTSTR buffer,
                              DWORD size, LPCTSTR file);
// Sets the key (creating the section and the file when needed); a NULL value removes the key,
// a NULL key removes the section.
BOOL WritePrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR value, LPCTSTR file);
