// Files and folders with their Win32 names. Paths come as the module writes them (GBK, with
// '\\' separators) and are mapped to Linux paths: separators become '/', the text UTF-8.
#pragma once

#include <string>

#include "platform/Win32Types.h"

#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define MAX_PATH 260

namespace platform {
// The Linux path of a Windows-style GBK path.
std::string NativePath(const char* path);
// Writes the whole content to a file beside the target and then renames it over the target, so
// a failed or short write never leaves a cut or empty target. FALSE, with the target as it
// was, when any byte could not be written.
bool WriteFileReplacing(const char* path, const void* data, size_t size);

enum class ReadResult { kDone, kFailed, kTooLarge };
// Appends the file's bytes to *content, reading in chunks and never more than `limit` bytes: a
// file that grows while it is read, or a device, is refused with kTooLarge.
ReadResult ReadFileLimited(const char* path, size_t limit, std::string* content);
}  // namespace platform

BOOL PathFileExists(LPCTSTR path);
DWORD GetFileAttributes(LPCTSTR path);
// Creates one folder; FALSE when it exists already or its parent is missing.
BOOL CreateDirectory(LPCTSTR path, void* security = nullptr);
BOOL RemoveDirectory(LPCTSTR path);
BOOL DeleteFile(LPCTSTR path);
// FALSE without copying when failIfExists and the target exists.
BOOL CopyFile(LPCTSTR from, LPCTSTR to, BOOL failIfExists);
// FALSE when the target exists.
BOOL MoveFile(LPCTSTR from, LPCTSTR to);
// The size of a file in bytes, or -1.
int64_t GetFileSizeOf(LPCTSTR path);
