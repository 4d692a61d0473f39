// Blocks of one big message taken from a few large chunks and released together. A page of
// many objects then takes its list nodes, payloads, style records and texts one after the
// other in memory and gives them back at once, instead of three or four heap blocks per
// object allocated and later freed one by one.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/Win32Types.h"

class WbBlockPool {
 public:
  // Opens the pool: until it is destroyed, AllocWbBytes takes from it (the innermost one
  // when pools nest) and FreeWbBlock leaves its blocks alone.
  WbBlockPool();
  // Frees every block taken from the pool.
  ~WbBlockPool();
  WbBlockPool(const WbBlockPool&) = delete;
  WbBlockPool& operator=(const WbBlockPool&) = delete;

  static bool AnyOpen();
  // size zero-filled bytes from the innermost open pool; NULL when none is open or memory
  // runs out.
  static void* Take(size_t size);
  // Whether block was taken from a pool that is still open.
  static bool Holds(const void* block);

 private:
  struct Chunk {
    std::unique_ptr<BYTE[]> bytes;
    size_t size;
  };

  void* TakeBytes(size_t size);
  bool HoldsBlock(const BYTE* block) const;

  std::vector<Chunk> chunks_;
  size_t used_ = 0;  // bytes taken from the last chunk
  WbBlockPool* outer_;
};
