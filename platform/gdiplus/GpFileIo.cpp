#include "platform/gdiplus/GpFileIo.h"

#include <cstdio>
#include <memory>
#include <new>

namespace gpfile {
namespace {

struct FileCloser {
  void operator()(FILE* file) const { fclose(file); }
};
typedef std::unique_ptr<FILE, FileCloser> FilePtr;

}  // namespace

std::string NativePath(const char* path) {
  std::string native = path ? path : "";
  for (char& ch : native) {
    if (ch == '\\') ch = '/';
  }
  return native;
}

bool ReadFile(const char* path, long long maxBytes, std::vector<BYTE>* bytes) {
  FilePtr file(fopen(NativePath(path).c_str(), "rb"));
  if (!file || fseek(file.get(), 0, SEEK_END) != 0) return false;
  long length = ftell(file.get());
  if (length < 0 || length > maxBytes || fseek(file.get(), 0, SEEK_SET) != 0) return false;
  try {
    bytes->resize((size_t)length);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return fread(bytes->data(), 1, bytes->size(), file.get()) == bytes->size();
}

bool WriteFile(const char* path, const std::vector<BYTE>& bytes) {
  FilePtr file(fopen(NativePath(path).c_str(), "wb"));
  if (!file) return false;
  bool written = fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return fclose(file.release()) == 0 && written;
}

}  // namespace gpfile
