// Pixel sets of figures kept between paints. A figure that a small repaint area cuts is
// computed whole once and kept, and the repaints that follow near it (a selection frame, a
// drag, a pen gesture) clip what is kept instead of rasterising the figure again. A key holds
// every input the pixels depend on, so what is kept is exactly what the figure computes.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <unordered_map>
#include <vector>

#include "platform/Geometry.h"
#include "platform/gdi/SpanSet.h"

namespace gdi {

// What a key starts with: the kind of figure it names.
enum KeptKind : int { kKeptShape = 1, kKeptPathFill, kKeptStep, kKeptSegment, kKeptRing };

// Where figures are drawn (device coordinates): `limit`, the clip's bounding box within the
// surface, and the clip's rectangles when it is several of them (null for one or none).
struct DrawArea {
  RECT limit;
  const std::vector<RECT>* parts = nullptr;
};

// r grown by `by` pixels on every side, held within the coordinate range.
RECT Grown(const RECT& r, int by);

// A figure's kind and the numbers its pixels depend on. A figure with more numbers than a key
// holds is not kept.
class KeptKey {
 public:
  static constexpr int kMost = 16;
  KeptKey(std::initializer_list<int> values);
  void Add(int value);
  bool Fits() const { return count_ <= kMost; }
  bool operator==(const KeptKey& o) const;
  size_t Hash() const;

 private:
  int count_ = 0;
  int values_[kMost] = {};
};

class KeptFigures {
 public:
  using Sets = std::vector<SpanSet>;

  // The store of the calling thread (each thread paints its own windows).
  static KeptFigures& Get();

  // Whether a figure whose pixels lie within `extent` is kept when drawn into `area`: it meets
  // the area, no rectangle of the area holds it whole, and it is small enough to be computed
  // whole at little cost.
  static bool Keeps(const RECT& extent, const DrawArea& area);

  // The sets kept under `key` (which must fit); `make()` computes them when they are not kept
  // yet. The reference holds until the next call.
  template <typename Make>
  const Sets& Find(const KeptKey& key, Make make) {
    auto found = kept_.find(key);
    return found != kept_.end() ? found->second : Keep(key, make());
  }

 private:
  static constexpr int kLargest = 512;        // pixels across, on either axis, of a kept figure
  static constexpr size_t kBudget = 8 << 20;  // bytes kept before the store starts over

  const Sets& Keep(const KeptKey& key, Sets sets);

  struct Hash {
    size_t operator()(const KeptKey& key) const { return key.Hash(); }
  };
  std::unordered_map<KeptKey, Sets, Hash> kept_;
  size_t bytes_ = 0;
};

}  // namespace gdi
