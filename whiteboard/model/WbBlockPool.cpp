#include "whiteboard/model/WbBlockPool.h"

#include <cstring>
#include <new>

namespace {

WbBlockPool* g_innermost = nullptr;

const size_t kChunk = 64 << 10;  // from the ordinary heap, below the size glibc maps apart
const size_t kAlignment = 8;

}  // namespace

WbBlockPool::WbBlockPool() : outer_(g_innermost) { g_innermost = this; }

WbBlockPool::~WbBlockPool() { g_innermost = outer_; }

bool WbBlockPool::AnyOpen() { return g_innermost != nullptr; }

void* WbBlockPool::Take(size_t size) { return g_innermost ? g_innermost->TakeBytes(size) : nullptr; }

bool WbBlockPool::Holds(const void* block) {
  for (const WbBlockPool* pool = g_innermost; pool; pool = pool->outer_)
    if (pool->HoldsBlock(static_cast<const BYTE*>(block))) return true;
  return false;
}

void* WbBlockPool::TakeBytes(size_t size) {
  size = (size + kAlignment - 1) & ~(kAlignment - 1);
  if (chunks_.empty() || chunks_.back().size - used_ < size) {
    size_t chunk = size > kChunk ? size : kChunk;  // a large text gets a chunk of its own
    BYTE* bytes = new (std::nothrow) BYTE[chunk];
    if (!bytes) return nullptr;
    chunks_.push_back({std::unique_ptr<BYTE[]>(bytes), chunk});
    used_ = 0;
  }
  BYTE* block = chunks_.back().bytes.get() + used_;
  used_ += size;
  memset(block, 0, size);
  return block;
}

bool WbBlockPool::HoldsBlock(const BYTE* block) const {
  for (const Chunk& chunk : chunks_)
    if (block >= chunk.bytes.get() && block < chunk.bytes.get() + chunk.size) return true;
  return false;
}
