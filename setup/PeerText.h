// How the point-to-point and invitation windows name another user.
#pragma once

#include "platform/CString.h"

// The phone-book name of uri; when the phone book knows none (the lookup gives back the user
// part), the user part followed by the URI without scheme and resource in parentheses. Each
// part is taken out of its pause form.
CString PeerDisplayText(const CString& uri);

// text taken out of its pause form.
CString WithoutPauses(CString text);
