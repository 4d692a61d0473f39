#include "whiteboard/model/StrokeKinds.h"

#include <cstring>
#include <new>

#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeEllipse.h"
#include "whiteboard/model/StrokeFluorescencePen.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeHandPointer.h"
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

namespace {

typedef CStrokeBase* (*StrokeFactory)(IWbBoardChannel* owner);

template <typename T>
CStrokeBase* NewStroke(IWbBoardChannel* owner) {
  return new (std::nothrow) T(owner);
}

struct StrokeKind {
  const char* word;
  StrokeFactory create;
};

// The order is part of the format: a word that contains another is tested first.
const StrokeKind kStrokeKinds[] = {
    {"freeline", NewStroke<CStrokeFreeLine>},
    {"solidrectangle", NewStroke<CStrokeSolidRectangle>},
    {"rectangle", NewStroke<CStrokeRectangle>},
    {"solidellipse", NewStroke<CStrokeSolidEllipse>},
    {"ellipse", NewStroke<CStrokeEllipse>},
    {"fluorescence", NewStroke<CStrokeFluorescencePen>},
    {"triangle", NewStroke<CStrokeTriangle>},
    {"circle", NewStroke<CStrokeRoundCircle>},
    {"polyline", NewStroke<CStrokePolyline>},
    {"polygon", NewStroke<CStrokePolygon>},
    {"trapezia", NewStroke<CStrokeTrapezia>},
    {"roundrect", NewStroke<CStrokeRoundRect>},
    {"text", NewStroke<CStrokeText>},
    {"image", NewStroke<CStrokeBitmap>},
    {"line", NewStroke<CStrokeLine>},
    {"hand", NewStroke<CStrokeHandPointer>},
};

}  // namespace

CStrokeBase* NewStrokeForId(const char* id, IWbBoardChannel* owner) {
  if (!id) return nullptr;
  for (const StrokeKind& kind : kStrokeKinds)
    if (strstr(id, kind.word)) return kind.create ? kind.create(owner) : nullptr;
  return nullptr;
}
