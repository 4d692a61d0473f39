#include "host/relay/BlockArena.h"

#include <cstring>

namespace host {
namespace {

std::shared_ptr<unsigned char> NewBuffer(size_t n) {
  return std::shared_ptr<unsigned char>(new unsigned char[n ? n : 1], std::default_delete<unsigned char[]>());
}

}  // namespace

void* BlockArena::CopyBytes(const void* src, size_t n) {
  if (!src) return nullptr;
  std::shared_ptr<unsigned char> copy = NewBuffer(n);
  std::memcpy(copy.get(), src, n);
  owned_.push_back(copy);
  return copy.get();
}

const char* BlockArena::CopyText(const char* text, size_t limit) {
  if (!text) return nullptr;
  size_t len = strnlen(text, limit);
  std::shared_ptr<unsigned char> copy = NewBuffer(len + 1);
  std::memcpy(copy.get(), text, len);
  copy.get()[len] = '\0';
  owned_.push_back(copy);
  return reinterpret_cast<const char*>(copy.get());
}

}  // namespace host
