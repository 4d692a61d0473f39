#include "platform/gdi/KeptFigures.h"

#include <algorithm>
#include <cstdint>

namespace gdi {

RECT Grown(const RECT& r, int by) {
  auto held = [](int64_t v) { return (LONG)std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, v)); };
  return RECT{held((int64_t)r.left - by), held((int64_t)r.top - by), held((int64_t)r.right + by),
              held((int64_t)r.bottom + by)};
}

KeptKey::KeptKey(std::initializer_list<int> values) {
  for (int v : values) Add(v);
}

void KeptKey::Add(int value) {
  if (count_ < kMost) values_[count_] = value;
  count_ = std::min(count_ + 1, kMost + 1);
}

bool KeptKey::operator==(const KeptKey& o) const {
  return count_ == o.count_ && std::equal(values_, values_ + std::min(count_, kMost), o.values_);
}

size_t KeptKey::Hash() const {
  size_t h = 2166136261u;
  for (int i = 0; i < std::min(count_, kMost); ++i) h = (h ^ (size_t)(unsigned)values_[i]) * 16777619u;
  return h;
}

KeptFigures& KeptFigures::Get() {
  static thread_local KeptFigures store;
  return store;
}

bool KeptFigures::Keeps(const RECT& extent, const DrawArea& area) {
  auto holds = [&extent](const RECT& r) {
    return extent.left >= r.left && extent.right <= r.right && extent.top >= r.top && extent.bottom <= r.bottom;
  };
  const RECT& limit = area.limit;
  bool meets = RectsMeet(extent, limit);
  bool held = area.parts ? std::any_of(area.parts->begin(), area.parts->end(), holds) : holds(limit);
  return meets && !held && (int64_t)extent.right - extent.left <= kLargest &&
         (int64_t)extent.bottom - extent.top <= kLargest;
}

const KeptFigures::Sets& KeptFigures::Keep(const KeptKey& key, Sets sets) {
  size_t bytes = sizeof(KeptKey) + 64;
  for (const SpanSet& s : sets) bytes += s.Bytes();
  if (bytes_ + bytes > kBudget) {
    kept_.clear();
    bytes_ = 0;
  }
  bytes_ += bytes;
  return kept_.emplace(key, std::move(sets)).first->second;
}

}  // namespace gdi
