#include "whiteboard/model/StrokeIndex.h"

#include <algorithm>
#include <cstdlib>

#include "whiteboard/model/StrokeBase.h"

namespace {

const int kTileShift = 7;        // tiles of 128 x 128 document pixels
const int kMaxTilesPerObject = 64;  // objects covering more are kept apart
const long long kExtentLimit = 1LL << 30;

LONG Clamped(long long v) { return (LONG)std::max(-kExtentLimit, std::min(v, kExtentLimit)); }

bool Meet(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

template <class Item, class Same>
void EraseOne(std::vector<Item>& v, Same same) {
  auto at = std::find_if(v.begin(), v.end(), same);
  if (at == v.end()) return;
  *at = v.back();
  v.pop_back();
}

}  // namespace

RECT StrokePaintExtent(CStrokeBase* stroke) {
  const RECT& a = stroke->m_rcDraw;
  const RECT& t = stroke->GetTracker()->m_rect;
  long long grow = std::min<long long>(std::llabs((long long)stroke->m_nPenWidth), 1 << 20) +
                   2LL * std::max(0, stroke->GetTracker()->m_nHandleSize) + 4;
  return RECT{Clamped((long long)std::min({a.left, a.right, t.left, t.right}) - grow),
              Clamped((long long)std::min({a.top, a.bottom, t.top, t.bottom}) - grow),
              Clamped((long long)std::max({a.left, a.right, t.left, t.right}) + grow),
              Clamped((long long)std::max({a.top, a.bottom, t.top, t.bottom}) + grow)};
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
  RECT box = StrokePaintExtent(stroke);
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
  auto offer = [&](const Filed& f) {
    if (std::any_of(wanted.begin(), wanted.end(), [&f](const RECT& a) { return Meet(f.box, a); }))
      found.emplace_back(f.order, f.stroke);
  };
  for (CStrokeBase* stroke : spread_) {
    const Entry& e = entries_.at(stroke);
    offer(Filed{stroke, e.box, e.order});
  }
  // The tiles under the areas, each once; an area larger than the filed tiles walks the tiles
  // rather than the area.
  std::vector<uint64_t> keys;
  bool walkAll = false;
  for (const RECT& a : wanted) {
    TileRange t = Tiles(RECT{Clamped(a.left), Clamped(a.top), Clamped(a.right), Clamped(a.bottom)});
    if (((long long)t.x1 - t.x0 + 1) * ((long long)t.y1 - t.y0 + 1) > (long long)tiles_.size()) {
      walkAll = true;
      break;
    }
    for (int ty = t.y0; ty <= t.y1; ++ty)
      for (int tx = t.x0; tx <= t.x1; ++tx) keys.push_back(Key(tx, ty));
  }
  if (walkAll) {
    for (const auto& tile : tiles_)
      for (const Filed& f : tile.second) offer(f);
  } else {
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (uint64_t key : keys) {
      auto tile = tiles_.find(key);
      if (tile == tiles_.end()) continue;
      for (const Filed& f : tile->second) offer(f);
    }
  }
  // An object covering several tiles is offered once per tile.
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  out->reserve(found.size());
  for (const auto& f : found) out->push_back(f.second);
}
