// Writing files through a new file beside the target, renamed over it when complete.
#include "xml/XmlFileOut.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

const int kNameAttempts = 100;

// Creates a file that did not exist, named path + ".tmp" + a number; its name in *name.
FILE* CreateBeside(const char* path, const struct stat* existing, char** name) {
  static std::atomic<unsigned> counter{0};
  size_t size = strlen(path) + 32;
  char* candidate = static_cast<char*>(malloc(size));
  if (!candidate) return nullptr;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    snprintf(candidate, size, "%s.tmp%ld.%u", path, static_cast<long>(getpid()), counter++);
    int fd = open(candidate, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) break;
    if (existing) fchmod(fd, existing->st_mode & 07777);  // the new file keeps the old one's permissions
    FILE* file = fdopen(fd, "w");
    if (file) {
      *name = candidate;
      return file;
    }
    close(fd);
    unlink(candidate);
    break;
  }
  free(candidate);
  return nullptr;
}

}  // namespace

FILE* XmlFileOutOpen(XmlFileOut* out, const char* path) {
  *out = XmlFileOut{nullptr, nullptr, path};
  struct stat st;
  bool exists = lstat(path, &st) == 0;
  if (exists && S_ISREG(st.st_mode) && access(path, W_OK) != 0) return nullptr;  // as opening it would be
  if (!exists || S_ISREG(st.st_mode)) out->file = CreateBeside(path, exists ? &st : nullptr, &out->temporary);
  if (!out->file) out->file = fopen(path, "w");
  return out->file;
}

int XmlFileOutClose(XmlFileOut* out, bool written) {
  bool ok = written && fflush(out->file) == 0 && !ferror(out->file);
  if (ok && out->temporary) ok = fsync(fileno(out->file)) == 0;
  ok = fclose(out->file) == 0 && ok;
  if (out->temporary) {
    if (ok) ok = rename(out->temporary, out->path) == 0;
    if (!ok) unlink(out->temporary);
    free(out->temporary);
  }
  *out = XmlFileOut{};
  return ok ? 1 : 0;
}
