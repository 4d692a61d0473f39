#include "platform/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/Charset.h"

namespace platform {

std::string NativePath(const char* path) {
  std::string p = path ? path : "";
  for (char& c : p)
    if (c == '\\') c = '/';
  std::string utf8;
  return charset::TryGbkToUtf8(p, &utf8) ? utf8 : p;
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
  // Written fully first, then put in place, so a failed copy never leaves a cut target.
  std::string target = platform::NativePath(to), temp = target + ".copying";
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  bool written = out && out.write(bytes.data(), (std::streamsize)bytes.size()) && out.flush();
  out.close();
  if (!written || rename(temp.c_str(), target.c_str()) != 0) {
    unlink(temp.c_str());
    return FALSE;
  }
  return TRUE;
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
