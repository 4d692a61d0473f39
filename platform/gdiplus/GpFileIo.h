// Whole-file reads and writes for the picture loaders and encoders. Paths are UTF-8; a Windows
// path's '\' separators are taken as '/'.
#pragma once

#include <string>
#include <vector>

#include "platform/Win32Types.h"

namespace gpfile {

std::string NativePath(const char* path);
// False when the file cannot be opened or read, or is larger than maxBytes.
bool ReadFile(const char* path, long long maxBytes, std::vector<BYTE>* bytes);
// False when the file cannot be created or written completely.
bool WriteFile(const char* path, const std::vector<BYTE>& bytes);

}  // namespace gpfile
