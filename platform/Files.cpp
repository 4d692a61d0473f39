#include "platform/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/Charset.h"
#include "platform/FaultPoints.h"

namespace platform {

std::string NativePath(const char* path) {
  std::string p = path ? path : "";
  for (char& c : p)
    if (c == '\\') c = '/';
  std::string utf8;
  return charset::TryGbkToUtf8(p, &utf8) ? utf8 : p;
}

namespace {

// Writes everything, or as much as an injected failure lets through.
bool WriteAll(FILE* file, const void* data, size_t size) {
  size_t kept = 0;
  if (InjectedFault(FaultPoint::kFileWrite, nullptr, &kept)) {
    fwrite(data, 1, std::min(size, kept), file);
    return false;
  }
  return fwrite(data, 1, size, file) == size;
}

}  // namespace

bool WriteFileReplacing(const char* path, const void* data, size_t size) {
  if (!path || !*path) return false;
  std::string target = NativePath(path), temp = target + ".writing";
  FILE* file = fopen(temp.c_str(), "wb");
  if (!file) return false;
  bool written = WriteAll(file, data, size);
  written = fclose(file) == 0 && written;
  if (!written || rename(temp.c_str(), target.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  return true;
}

ReadResult ReadFileLimited(const char* path, size_t limit, std::string* content) {
  FILE* file = path ? fopen(NativePath(path).c_str(), "rb") : nullptr;
  if (!file) return ReadResult::kFailed;
  char chunk[4096];
  size_t n, read = 0;
  ReadResult result = ReadResult::kDone;
  while (result == ReadResult::kDone && (n = fread(chunk, 1, sizeof chunk, file)) > 0) {
    read += n;
    if (read > limit)
      result = ReadResult::kTooLarge;
    else
      content->append(chunk, n);
  }
  if (result == ReadResult::kDone && ferror(file)) result = ReadResult::kFailed;
  fclose(file);
  return result;
}

}  // namespace platform

namespace {

bool Stat(LPCTSTR path, struct stat* st) { return path && *path && stat(platform::NativePath(path).c_str(), st) == 0; }

bool Exists(LPCTSTR path) {
  struct stat st;
  return Stat(path, &st);
}

}  // namespace

BOOL PathFileExists(LPCTSTR path) { return Exists(path); }

DWORD GetFileAttributes(LPCTSTR path) {
  struct stat st;
  if (!Stat(path, &st)) return INVALID_FILE_ATTRIBUTES;
  if (S_ISDIR(st.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
  return (st.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

BOOL CreateDirectory(LPCTSTR path, void*) { return path && mkdir(platform::NativePath(path).c_str(), 0755) == 0; }

BOOL RemoveDirectory(LPCTSTR path) { return path && rmdir(platform::NativePath(path).c_str()) == 0; }

BOOL DeleteFile(LPCTSTR path) { return path && unlink(platform::NativePath(path).c_str()) == 0; }

BOOL CopyFile(LPCTSTR from, LPCTSTR to, BOOL failIfExists) {
  if (!from || !to || (failIfExists && Exists(to))) return FALSE;
  std::ifstream in(platform::NativePath(from), std::ios::binary);
  if (!in) return FALSE;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return FALSE;
  return platform::WriteFileReplacing(to, bytes.data(), bytes.size());
}

BOOL MoveFile(LPCTSTR from, LPCTSTR to) {
  if (!from || !to || !Exists(from) || Exists(to)) return FALSE;
  return rename(platform::NativePath(from).c_str(), platform::NativePath(to).c_str()) == 0;
}

int64_t GetFileSizeOf(LPCTSTR path) {
  struct stat st;
  if (!Stat(path, &st) || S_ISDIR(st.st_mode)) return -1;
  return (int64_t)st.st_size;
}
