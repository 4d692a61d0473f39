// A file of the user's data that the module could not read: before a new file is written in
// its place, its bytes are kept beside it, so that nothing the user had is lost.
#pragma once

#include "platform/CString.h"

// Renames the file at path to the first free name of "<path>.damaged", "<path>.damaged2" ...
// "<path>.damaged99"; the new path, or "" when it could not be moved (the caller then writes
// nothing in its place).
CString SetDamagedFileAside(const CString& path);
