// Small address helpers shared by the library's files.
#pragma once

#include "platform/CString.h"

namespace vz {

// "sip:" or "tel:" at the start, in any case.
bool HasScheme(const CString& text);
// user@host with a non-empty user and host, one '@' and no blanks.
bool IsUserAtHost(const CString& text);
// The user part of "scheme:user@host;resource".
CString UserPart(CString uri);
// Every character a decimal digit, and not empty.
bool IsDigits(const CString& text);
// "user@host" of "scheme:user@host;resource" (the text without scheme and resource).
CString UserAtHost(CString uri);

}  // namespace vz
