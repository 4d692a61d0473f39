// Large expat buffers on mappings of their own, with huge pages requested.
#include "xml/XmlParserMemory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>

namespace {

const size_t kLargeBlock = 8u << 20;
const size_t kHugePage = 2u << 20;
const int kMappingSlots = 4;  // expat holds one input buffer at a time; the rest is margin

struct Mapping {
  void* start;
  size_t size;
};

// A parser is created, used and freed on one thread, so its mappings are the thread's.
thread_local Mapping t_mappings[kMappingSlots];

Mapping* Find(const void* p) {
  for (Mapping& m : t_mappings) {
    if (m.start == p) return &m;
  }
  return nullptr;
}

// At least n bytes: a mapping with huge pages requested (only a hint, refused where the system
// has them off), or malloc when every slot is taken or the mapping fails.
void* ParserMalloc(size_t n) {
  Mapping* slot = n >= kLargeBlock ? Find(nullptr) : nullptr;
  size_t size = (n + kHugePage - 1) & ~(kHugePage - 1);
  if (!slot || size < n) return malloc(n);
  void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return malloc(n);
  madvise(p, size, MADV_HUGEPAGE);
  *slot = Mapping{p, size};
  return p;
}

void ParserFree(void* p) {
  Mapping* m = p ? Find(p) : nullptr;
  if (!m) return free(p);
  munmap(m->start, m->size);
  *m = Mapping{};
}

// Expat grows its pools with realloc; a mapped block moves to a new block of n bytes.
void* ParserRealloc(void* p, size_t n) {
  Mapping* m = p ? Find(p) : nullptr;
  if (!m) return realloc(p, n);
  void* moved = ParserMalloc(n);
  if (!moved) return nullptr;
  memcpy(moved, p, m->size < n ? m->size : n);
  ParserFree(p);
  return moved;
}

}  // namespace

const XML_Memory_Handling_Suite kXmlParserMemory = {ParserMalloc, ParserRealloc, ParserFree};
