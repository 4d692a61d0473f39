#include "whiteboard/model/StrokeKinds.h"

#include <cstring>
#include <new>

#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePolygon.h"
#include "whiteboard/model/StrokePolyline.h"
#include "whiteboard/model/StrokeRectangle.h"
#include "whiteboard/model/StrokeRoundCircle.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeSolidEllipse.h"
#include "whiteboard/model/StrokeSolidRectangle.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"
#include "protocol/WbRecords.h"
#include "whiteboard/model/WbShared.h"

namespace {

template <typename T>
CStrokeBase* NewStroke(IWbBoardChannel* owner) {
  return new (std::nothrow) T(owner);
}

}  // namespace

#define STROKE_CLASS(T) RUNTIME_CLASS(T), NewStroke<T>

// The order is the order in which the kinds are listed and drawn side by side; the order in
// which an id's words are searched is each kind's rank, which the format fixes.
constexpr StrokeKind kStrokeKinds[kStrokeKindCount] = {
    // word, element, class and factory, payload, colour, id search rank, tool, rubber band
    {"line", "line", STROKE_CLASS(CStrokeLine), WB_OBJ_LINE, kStrokeColourPen, 14, kToolLine,
     CStrokeLine::DrawRubberBand},
    {"rectangle", "rectangle", STROKE_CLASS(CStrokeRectangle), WB_OBJ_RECT, kStrokeColourPen, 2, kToolRectangle,
     CStrokeRectangle::DrawRubberBand},
    {"ellipse", "ellipse", STROKE_CLASS(CStrokeEllipse), WB_OBJ_ELLIPSE, kStrokeColourPen, 4, kToolEllipse,
     CStrokeEllipse::DrawRubberBand},
    {"solidrectangle", "solidrectangle", STROKE_CLASS(CStrokeSolidRectangle), WB_OBJ_RECT, kStrokeColourFill, 1,
     kToolSolidRectangle, CStrokeSolidRectangle::DrawRubberBand},
    {"solidellipse", "solidellipse", STROKE_CLASS(CStrokeSolidEllipse), WB_OBJ_ELLIPSE, kStrokeColourFill, 3,
     kToolSolidEllipse, CStrokeSolidEllipse::DrawRubberBand},
    {"circle", "circle", STROKE_CLASS(CStrokeRoundCircle), WB_OBJ_CIRCLE, kStrokeColourFill, 7, kToolCircle,
     CStrokeRoundCircle::DrawRubberBand},
    {"roundrect", "roundrect", STROKE_CLASS(CStrokeRoundRect), WB_OBJ_RECT, kStrokeColourFill, 11, kToolRoundRect,
     CStrokeRoundRect::DrawRubberBand},
    {"freeline", "path", STROKE_CLASS(CStrokeFreeLine), WB_OBJ_PATH, kStrokeColourPen, 0, kToolPen,
     CStrokeFreeLine::DrawRubberBand},
    {"fluorescence", "path", STROKE_CLASS(CStrokeFluorescencePen), WB_OBJ_PATH, kStrokeColourPen, 5,
     kToolHighlighter, CStrokeFreeLine::DrawRubberBand},
    {"polyline", "path", STROKE_CLASS(CStrokePolyline), WB_OBJ_PATH, kStrokeColourPen, 8, kToolPolyline,
     CStrokePolyline::DrawRubberBand},
    {"polygon", "path", STROKE_CLASS(CStrokePolygon), WB_OBJ_PATH, kStrokeColourPen, 9, kToolPolygon,
     CStrokePolyline::DrawRubberBand},
    {"trapezia", "path", STROKE_CLASS(CStrokeTrapezia), WB_OBJ_PATH, kStrokeColourFill, 10, kToolTrapezia,
     CStrokeTrapezia::DrawRubberBand},
    {"triangle", "path", STROKE_CLASS(CStrokeTriangle), WB_OBJ_PATH, kStrokeColourFill, 6, kToolTriangle,
     CStrokeTriangle::DrawRubberBand},
    // A text box is dragged out as a rectangle.
    {"text", "text", STROKE_CLASS(CStrokeText), WB_OBJ_TEXT, kStrokeColourNone, 12, kToolText,
     CStrokeRectangle::DrawRubberBand},
    {"image", "image", STROKE_CLASS(CStrokeBitmap), WB_OBJ_IMAGE, kStrokeColourNone, 13, kNoTool, nullptr},
    {"hand", "image", STROKE_CLASS(CStrokeHandPointer), WB_OBJ_IMAGE, kStrokeColourNone, 15, kToolHand, nullptr},
    {"laser", "image", STROKE_CLASS(CStrokeLaser), WB_OBJ_IMAGE, kStrokeColourNone, -1, kToolLaser, nullptr},
};

#undef STROKE_CLASS

namespace {

constexpr bool Contains(const char* text, const char* word) {
  for (; *text; ++text) {
    int i = 0;
    while (word[i] && text[i] == word[i]) ++i;
    if (!word[i]) return true;
  }
  return false;
}

constexpr int SearchedKindCount() {
  int n = 0;
  for (const StrokeKind& kind : kStrokeKinds) n += kind.idSearchRank >= 0;
  return n;
}
constexpr int kSearchedKindCount = SearchedKindCount();

// The searched kinds' ranks are 0 to kSearchedKindCount - 1, each once, and a word that
// contains another word is searched first, or the kind of the shorter word would take its ids.
constexpr bool IdSearchOrderHolds() {
  int seen[kStrokeKindCount] = {};
  for (const StrokeKind& kind : kStrokeKinds) {
    if (kind.idSearchRank < 0) continue;
    if (kind.idSearchRank >= kSearchedKindCount || seen[kind.idSearchRank]++) return false;
    for (const StrokeKind& other : kStrokeKinds)
      if (&other != &kind && other.idSearchRank >= 0 && Contains(kind.word, other.word) &&
          kind.idSearchRank > other.idSearchRank)
        return false;
  }
  return true;
}
static_assert(IdSearchOrderHolds(), "the id search ranks");

// The searched kinds in rank order.
struct IdSearchOrder {
  const StrokeKind* kinds[kSearchedKindCount] = {};
  constexpr IdSearchOrder() {
    for (const StrokeKind& kind : kStrokeKinds)
      if (kind.idSearchRank >= 0) kinds[kind.idSearchRank] = &kind;
  }
};
constexpr IdSearchOrder kIdSearchOrder;

}  // namespace

const StrokeKind* FindStrokeKind(const char* word) {
  if (!word) return nullptr;
  for (const StrokeKind& kind : kStrokeKinds)
    if (strcmp(kind.word, word) == 0) return &kind;
  return nullptr;
}

const StrokeKind* StrokeKindOfId(const char* id) { return id ? FindStrokeKind(GetIdPrefix(id)) : nullptr; }

const StrokeKind* StrokeKindOfTool(int tool) {
  if (tool == kNoTool) return nullptr;
  for (const StrokeKind& kind : kStrokeKinds)
    if (kind.tool == tool) return &kind;
  return nullptr;
}

bool IsLaserId(const char* id) {
  const StrokeKind* kind = StrokeKindOfId(id);
  return kind && kind->tool == kToolLaser;
}

CStrokeBase* NewStrokeForId(const char* id, IWbBoardChannel* owner) {
  if (!id) return nullptr;
  for (const StrokeKind* kind : kIdSearchOrder.kinds)
    if (strstr(id, kind->word)) return kind->create(owner);
  return nullptr;
}
