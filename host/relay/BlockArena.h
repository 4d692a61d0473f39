// Owns the host's copies of the blocks a module hands over. A sender frees its blocks as soon
// as the call returns, so the host copies each block, and every block it points to, into an
// arena and patches the copied pointers to the copies: a copy reads like the original.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace host {

class BlockArena {
 public:
  // Longest zero-terminated text copied from a module pointer; longer texts are cut.
  static constexpr size_t kMaxText = 1 << 20;

  // Copies n bytes; NULL for a NULL source.
  void* CopyBytes(const void* src, size_t n);
  // Copies a zero-terminated text of at most limit bytes (then cut and terminated);
  // NULL stays NULL.
  const char* CopyText(const char* text, size_t limit = kMaxText);
  // Copy-constructs a block (records with class members such as CString need it);
  // NULL for a NULL source.
  template <class T>
  T* Clone(const T* src) {
    if (!src) return nullptr;
    std::shared_ptr<T> copy = std::make_shared<T>(*src);
    owned_.push_back(copy);
    return copy.get();
  }

 private:
  std::vector<std::shared_ptr<void>> owned_;
};

}  // namespace host
