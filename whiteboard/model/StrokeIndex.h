// CStrokeIndex: the objects of a page filed by place, so that a repaint finds what reaches its
// area and a click what lies under it at the cost of what is near, not of what the page holds.
// Each object is filed under its draw extent in the square tiles it covers (objects spanning
// many tiles are kept apart and always offered), with its place in the stacking order.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/Collections.h"
#include "platform/Win32Types.h"

class CStrokeBase;

// What drawing an object may touch, its selection frame aside, in document coordinates: its
// rectangle and its tracker grown by its pen width and a margin. Hit tests stay inside it.
RECT StrokeDrawExtent(CStrokeBase* stroke);
// The draw extent with the selection frame's handles outside the tracker.
RECT StrokePaintExtent(CStrokeBase* stroke);

class CStrokeIndex {
 public:
  // Files every object of the list anew, head (bottom) first.
  void Rebuild(const CObList& list);
  // Files an object above every other.
  void AddOnTop(CStrokeBase* stroke);
  void Remove(CStrokeBase* stroke);
  // Files an object anew after its geometry, pen or tracker changed; its stacking place stays.
  void Refile(CStrokeBase* stroke);
  bool Contains(CStrokeBase* stroke) const { return entries_.count(stroke) != 0; }
  // The objects whose extent (as filed) meets area, or any of areas, bottom to top.
  void Find(const RECT& area, std::vector<CStrokeBase*>* out) const;
  void Find(const std::vector<RECT>& areas, std::vector<CStrokeBase*>* out) const;
  // An object's place in the stacking order (higher is on top); 0 when not filed.
  int64_t Order(CStrokeBase* stroke) const;

 private:
  struct Entry {
    RECT box;
    int64_t order;
    bool spread;  // kept among the objects that span many tiles
  };
  struct TileRange {
    int x0, y0, x1, y1;  // inclusive
  };
  // An object as a tile holds it: what a search asks is at hand without a look-up.
  struct Filed {
    CStrokeBase* stroke;
    RECT box;
    int64_t order;
  };
  static TileRange Tiles(const RECT& box);
  static uint64_t Key(int tx, int ty) { return ((uint64_t)(uint32_t)tx << 32) | (uint32_t)ty; }
  void File(CStrokeBase* stroke, int64_t order);
  void Unfile(CStrokeBase* stroke, const Entry& entry);

  std::unordered_map<CStrokeBase*, Entry> entries_;
  std::unordered_map<uint64_t, std::vector<Filed>> tiles_;
  std::vector<CStrokeBase*> spread_;
  int64_t top_ = 0;
};
