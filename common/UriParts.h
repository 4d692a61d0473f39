// Parts of "sip:" and "tel:" addresses, and number checks.
#pragma once

#include "platform/CString.h"
#include "platform/Win32Types.h"

enum UriPart {
  kUriUserAtHost = 0,  // user@host without scheme and resource
  kUriUser = 1,
  kUriHost = 2,
  kUriResource = 3,    // the text after ';' or '/' that follows the host
  kUriScheme = 4,
  kUriSchemeUser = 5,  // scheme ("sip" when none) + ":" + user
};

// One part of "scheme:user@host;resource"; every part is optional in the text.
CString GetURIPart(CString uri, int part);
// FALSE for the empty text; else, after lower-casing and dropping a leading "tel:", TRUE when
// every remaining character is a decimal digit.
BOOL IsTelNumber(CString text);
// TRUE when every character is '0'..'9' (also for the empty text).
BOOL IsAllDigits(CString text);
