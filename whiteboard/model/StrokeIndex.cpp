#include "whiteboard/model/StrokeIndex.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Geometry.h"
#include "whiteboard/model/StrokeBase.h"

namespace {

const int kTileShift = 7;        // tiles of 128 x 128 document pixels
const int kMaxTilesPerObject = 64;  // objects covering more are kept apart
const long long kExtentLimit = 1LL << 30;

LONG Clamped(long long v) { return (LONG)std::max(-kExtentLimit, std::min(v, kExtentLimit)); }

template <class Item, class Same>
void EraseOne(std::vector<Item>& v, Same same) {
  auto at = std::find_if(v.begin(), v.end(), same);
  if (at == v.end()) return;
  *at = v.back();
  v.pop_back();
}

}  // namespace

namespace {

RECT ObjectBoxGrownBy(CStrokeBase* stroke, long long grow) {
  const RECT& a = stroke->m_rcDraw;
  const RECT& t = stroke->GetTracker()->m_rect;
  return RECT{Clamped((long long)std::min({a.left, a.right, t.left, t.right}) - grow),
              Clamped((long long)std::min({a.top, a.bottom, t.top, t.bottom}) - grow),
              Clamped((long long)std::max({a.left, a.right, t.left, t.right}) + grow),
              Clamped((long long)std::max({a.top, a.bottom, t.top, t.bottom}) + grow)};
}

long long PenReach(CStrokeBase* stroke) {
  return std::min<long long>(std::llabs((long long)stroke->m_nPenWidth), 1 << 20) + 4;
}

}  // namespace

RECT StrokeDrawExtent(CStrokeBase* stroke) { return ObjectBoxGrownBy(stroke, PenReach(stroke)); }

RECT StrokePaintExtent(CStrokeBase* stroke) {
  return ObjectBoxGrownBy(stroke, PenReach(stroke) + 2LL * std::max(0, stroke->GetTracker()->m_nHandleSize));
}

CStrokeIndex::TileRange CStrokeIndex::Tiles(const RECT& box) {
  return TileRange{box.left >> kTileShift, box.top >> kTileShift, (box.right - 1) >> kTileShift,
                   (box.bottom - 1) >> kTileShift};
}

void CStrokeIndex::Rebuild(const CObList& list) {
  entries_.clear();
  tiles_.clear();
  spread_.clear();
  top_ = 0;
  entries_.reserve((size_t)list.GetCount());
  for (POSITION pos = list.GetHeadPosition(); pos;) AddOnTop(static_cast<CStrokeBase*>(list.GetNext(pos)));
}

void CStrokeIndex::AddOnTop(CStrokeBase* stroke) {
  Remove(stroke);
  File(stroke, ++top_);
}

void CStrokeIndex::Remove(CStrokeBase* stroke) {
  auto found = entries_.find(stroke);
  if (found == entries_.end()) return;
  Unfile(stroke, found->second);
  entries_.erase(found);
}

void CStrokeIndex::Refile(CStrokeBase* stroke) {
  auto found = entries_.find(stroke);
  if (found == entries_.end()) return;
  int64_t order = found->second.order;
  Unfile(stroke, found->second);
  entries_.erase(found);
  File(stroke, order);
}

int64_t CStrokeIndex::Order(CStrokeBase* stroke) const {
  auto found = entries_.find(stroke);
  return found == entries_.end() ? 0 : found->second.order;
}

void CStrokeIndex::File(CStrokeBase* stroke, int64_t order) {
  RECT box = StrokeDrawExtent(stroke);
  TileRange t = Tiles(box);
  long long count = ((long long)t.x1 - t.x0 + 1) * ((long long)t.y1 - t.y0 + 1);
  bool spread = count > kMaxTilesPerObject;
  entries_[stroke] = Entry{box, order, spread};
  if (spread) {
    spread_.push_back(stroke);
    return;
  }
  for (int ty = t.y0; ty <= t.y1; ++ty)
    for (int tx = t.x0; tx <= t.x1; ++tx) tiles_[Key(tx, ty)].push_back(Filed{stroke, box, order});
}

void CStrokeIndex::Unfile(CStrokeBase* stroke, const Entry& entry) {
  if (entry.spread) {
    EraseOne(spread_, [stroke](CStrokeBase* s) { return s == stroke; });
    return;
  }
  TileRange t = Tiles(entry.box);
  for (int ty = t.y0; ty <= t.y1; ++ty)
    for (int tx = t.x0; tx <= t.x1; ++tx) {
      auto tile = tiles_.find(Key(tx, ty));
      if (tile == tiles_.end()) continue;
      EraseOne(tile->second, [stroke](const Filed& f) { return f.stroke == stroke; });
      if (tile->second.empty()) tiles_.erase(tile);
    }
}

void CStrokeIndex::Find(const RECT& area, std::vector<CStrokeBase*>* out) const {
  Find(std::vector<RECT>{area}, out);
}

void CStrokeIndex::Find(const std::vector<RECT>& areas, std::vector<CStrokeBase*>* out) const {
  out->clear();
  std::vector<RECT> wanted;
  for (const RECT& a : areas)
    if (a.left < a.right && a.top < a.bottom) wanted.push_back(a);
  if (wanted.empty()) return;
  std::vector<std::pair<int64_t, CStrokeBase*>> found;
  // An object meets an area only in the tiles under that area, so a tile's objects are tried
  // against the areas over it alone.
  auto offer = [&](const Filed& f, const RECT* areasOver, size_t count) {
    if (std::any_of(areasOver, areasOver + count, [&f](const RECT& a) { return RectsMeet(f.box, a); }))
      found.emplace_back(f.order, f.stroke);
  };
  for (CStrokeBase* stroke : spread_) {
    const Entry& e = entries_.at(stroke);
    offer(Filed{stroke, e.box, e.order}, wanted.data(), wanted.size());
  }
  // The tiles under the areas, each with the areas over it; an area larger than the filed
  // tiles walks the tiles rather than the area.
  std::vector<std::pair<uint64_t, RECT>> under;
  bool walkAll = false;
  for (const RECT& a : wanted) {
    TileRange t = Tiles(RECT{Clamped(a.left), Clamped(a.top), Clamped(a.right), Clamped(a.bottom)});
    if (((long long)t.x1 - t.x0 + 1) * ((long long)t.y1 - t.y0 + 1) > (long long)tiles_.size()) {
      walkAll = true;
      break;
    }
    for (int ty = t.y0; ty <= t.y1; ++ty)
      for (int tx = t.x0; tx <= t.x1; ++tx) under.emplace_back(Key(tx, ty), a);
  }
  if (walkAll) {
    for (const auto& tile : tiles_)
      for (const Filed& f : tile.second) offer(f, wanted.data(), wanted.size());
  } else {
    std::sort(under.begin(), under.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<RECT> over;
    for (size_t i = 0; i < under.size();) {
      uint64_t key = under[i].first;
      over.clear();
      for (; i < under.size() && under[i].first == key; ++i) over.push_back(under[i].second);
      auto tile = tiles_.find(key);
      if (tile == tiles_.end()) continue;
      for (const Filed& f : tile->second) offer(f, over.data(), over.size());
    }
  }
  // An object covering several tiles is offered once per tile.
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  out->reserve(found.size());
  for (const auto& f : found) out->push_back(f.second);
}
