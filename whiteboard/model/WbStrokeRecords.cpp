#include "whiteboard/model/WbStrokeRecords.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/ModuleLog.h"
#include "protocol/WbPayloadKinds.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/StrokeTrapezia.h"
#include "whiteboard/model/StrokeTriangle.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbShared.h"

namespace {

const int32_t kSubOpDeleted = 2;
// Received coordinates and sizes stay within this magnitude, so that sums and differences
// of them (x + width, cx - r) cannot overflow; a field beyond it is refused.
const long long kMaxCoordinate = 1000000;
const int32_t kMaxPenWidth = 1000;

// The text of a received fixed-size field, which may lack its terminating zero.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// A decimal number within kMaxCoordinate at text; FALSE when there is none or it is beyond.
// Like atoi, what follows the digits is ignored.
BOOL ReadCoordinate(const char* text, LONG* value) {
  char* after = nullptr;
  long long v = strtoll(text, &after, 10);
  if (after == text || v < -kMaxCoordinate || v > kMaxCoordinate) return FALSE;
  *value = (LONG)v;
  return TRUE;
}

// A decimal field; FALSE when it is empty or out of range.
template <size_t N>
BOOL ReadNumber(const char (&field)[N], LONG* value) {
  return field[0] && ReadCoordinate(FieldText(field).c_str(), value);
}

BOOL IsFilledKind(CStrokeBase* stroke) {
  const StrokeKind* kind = StrokeKindOfId(stroke->m_szID);
  return kind && kind->colour == kStrokeColourFill;
}

// The payload type of the one-box kinds (lines, rectangles, ellipses, circles) that the id's
// prefix names; 0 for the others, which their class decides.
DWORD BoxPayloadTypeOfId(const char* id) {
  const StrokeKind* kind = StrokeKindOfId(id);
  switch (kind ? kind->payloadType : 0) {
    case WB_OBJ_LINE:
    case WB_OBJ_RECT:
    case WB_OBJ_ELLIPSE:
    case WB_OBJ_CIRCLE: return kind->payloadType;
    default: return 0;
  }
}

// The colour and width of a style record: filled kinds take the fill colour, the others the
// pen colour and width. A triangle or trapezium is announced with its colour in the pen field
// and recoloured through the fill field, so the other field counts when the kind's own is empty.
void ApplyStyle(CStrokeBase* stroke, const WbStyleRecord* style) {
  if (!style) return;
  BOOL filled = IsFilledKind(stroke);
  std::string colour = FieldText(filled ? style->szFillColor : style->szPenColor);
  if (colour.empty()) colour = FieldText(filled ? style->szPenColor : style->szFillColor);
  if (!colour.empty()) stroke->m_crColor = (COLORREF)strtoul(colour.c_str(), nullptr, 10);
  int32_t width = style->nPenWidth;
  if (width > 0 && width <= kMaxPenWidth) stroke->m_nPenWidth = width;
}

// "M x y L x y ..." into points, up to the first thing that is no number; FALSE when a number
// is beyond kMaxCoordinate.
BOOL ReadPathPoints(const char* path, CArray<CPoint, CPoint>* points) {
  points->RemoveAll();
  const char* at = path;
  while (at && *at) {
    while (*at == ' ' || *at == 'M' || *at == 'L' || *at == 'Z') ++at;
    if (!*at) break;
    LONG xy[2];
    for (LONG& v : xy) {
      char* end = nullptr;
      long long n = strtoll(at, &end, 10);
      if (end == at) return TRUE;  // no more numbers
      if (n < -kMaxCoordinate || n > kMaxCoordinate) return FALSE;
      v = (LONG)n;
      at = end;
    }
    points->Add(CPoint(xy[0], xy[1]));
  }
  return TRUE;
}

// FALSE when a number of the payload that is given is beyond kMaxCoordinate: a peer that sends
// such numbers is refused rather than its sums left to overflow.
BOOL NumbersInRange(const void* payload) {
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  if (head->nObjType == WB_OBJ_PATH) {
    CArray<CPoint, CPoint> points;
    return ReadPathPoints(static_cast<const WbPathPayload*>(payload)->pszPath, &points);
  }
  const char* fields = static_cast<const char*>(payload) + sizeof(WbShapePayload);
  for (int i = WbPayloadKindOf(payload).NumberCount() - 1; i >= 0; --i) {
    char field[WB_NUMBER_LEN];
    memcpy(field, fields + i * WB_NUMBER_LEN, WB_NUMBER_LEN);
    LONG value;
    if (field[0] && !ReadNumber(field, &value)) return FALSE;
  }
  return TRUE;
}

void PointBounds(const CArray<CPoint, CPoint>& points, RECT* box) {
  for (int i = 0; i < points.GetSize(); ++i) {
    const CPoint& p = points[i];
    if (i == 0) *box = {p.x, p.y, p.x, p.y};
    box->left = std::min(box->left, p.x), box->top = std::min(box->top, p.y);
    box->right = std::max(box->right, p.x), box->bottom = std::max(box->bottom, p.y);
  }
}

BOOL ApplyBox(CStrokeBase* stroke, const WbRectPayload* p) {
  LONG x, y, w, h;
  if (!ReadNumber(p->szX, &x) || !ReadNumber(p->szY, &y) || !ReadNumber(p->szWidth, &w) || !ReadNumber(p->szHeight, &h))
    return FALSE;
  stroke->m_rcDraw = {x, y, x + w, y + h};
  if (CStrokeRoundRect* round = dynamic_cast<CStrokeRoundRect*>(stroke)) {
    LONG rx, ry;
    if (ReadNumber(p->szCornerX, &rx) && ReadNumber(p->szCornerY, &ry))
      round->m_nRx = rx, round->m_nRy = ry;
    else
      round->SetCorner(&stroke->m_rcDraw);
  }
  return TRUE;
}

// Each kind's fields; TRUE when the payload carried something the object took (a style
// record counts).
BOOL ApplyFields(CStrokeBase* stroke, const WbLinePayload* p) {
  ApplyStyle(stroke, p->pStyle);
  LONG x1, y1, x2, y2;
  if (!ReadNumber(p->szX1, &x1) || !ReadNumber(p->szY1, &y1) || !ReadNumber(p->szX2, &x2) || !ReadNumber(p->szY2, &y2))
    return p->pStyle != nullptr;
  stroke->m_rcDraw = {x1, y1, x2, y2};
  return TRUE;
}

BOOL ApplyFields(CStrokeBase* stroke, const WbRectPayload* p) {
  ApplyStyle(stroke, p->pStyle);
  return ApplyBox(stroke, p) || p->pStyle != nullptr;
}

BOOL ApplyFields(CStrokeBase* stroke, const WbCirclePayload* p) {
  ApplyStyle(stroke, p->pStyle);
  LONG cx, cy, r;
  if (!ReadNumber(p->szCX, &cx) || !ReadNumber(p->szCY, &cy) || !ReadNumber(p->szR, &r)) return p->pStyle != nullptr;
  stroke->m_rcDraw = {cx - r, cy - r, cx + r, cy + r};
  return TRUE;
}

BOOL ApplyFields(CStrokeBase* stroke, const WbEllipsePayload* p) {
  ApplyStyle(stroke, p->pStyle);
  LONG cx, cy, rx, ry;
  if (!ReadNumber(p->szCX, &cx) || !ReadNumber(p->szCY, &cy) || !ReadNumber(p->szRX, &rx) || !ReadNumber(p->szRY, &ry))
    return p->pStyle != nullptr;
  stroke->m_rcDraw = {cx - rx, cy - ry, cx + rx, cy + ry};
  return TRUE;
}

BOOL ApplyFields(CStrokeBase* stroke, const WbPathPayload* p) {
  CStrokeFreeLine* path = dynamic_cast<CStrokeFreeLine*>(stroke);
  if (!path) return FALSE;
  ApplyStyle(stroke, p->pStyle);
  if (!p->pszPath) return p->pStyle != nullptr;
  if (!ReadPathPoints(p->pszPath, &path->m_arrPoint)) return FALSE;
  const CArray<CPoint, CPoint>& points = path->m_arrPoint;
  BOOL figure = dynamic_cast<CStrokeTriangle*>(stroke) || dynamic_cast<CStrokeTrapezia*>(stroke);
  if (figure && points.GetSize() >= 3) {
    // The corners as the sender made them: apex (or top edge) first, then the bottom-left and
    // bottom-right corners of its rectangle, which keeps the direction it was dragged in.
    stroke->m_rcDraw = {points[1].x, points[0].y, points[2].x, points[1].y};
  } else {
    PointBounds(points, &stroke->m_rcDraw);
  }
  return points.GetSize() > 0;
}

// A picture takes a new picture from a data URL, else only its place (and size when given).
BOOL ApplyFields(CStrokeBase* stroke, const WbImagePayload* p) {
  CStrokeBitmap* picture = dynamic_cast<CStrokeBitmap*>(stroke);
  if (!picture) return FALSE;
  if (p->pszData && strncmp(p->pszData, "data:", 5) == 0) return picture->ApplyRecord(p);
  LONG x, y, w, h;
  if (!ReadNumber(p->szX, &x) || !ReadNumber(p->szY, &y)) return FALSE;
  picture->m_nX = x, picture->m_nY = y;
  if (ReadNumber(p->szWidth, &w) && ReadNumber(p->szHeight, &h) && w > 0 && h > 0)
    picture->m_nWidth = w, picture->m_nHeight = h;
  return TRUE;
}

BOOL ApplyFields(CStrokeBase* stroke, const WbTextPayload* p) {
  CStrokeText* text = dynamic_cast<CStrokeText*>(stroke);
  return text && text->ApplyRecord(p);
}

// A page background and a type no kind has carry nothing an object takes.
BOOL ApplyFields(CStrokeBase*, const WbDocPagePayload*) { return FALSE; }
BOOL ApplyFields(CStrokeBase*, const WbShapePayload*) { return FALSE; }

BOOL ApplyGeometry(CStrokeBase* stroke, const void* payload) {
  return VisitWbPayload(payload, [stroke](const auto* p) { return ApplyFields(stroke, p); });
}

// The class of a picture payload, which the id's prefix names among the picture kinds (a
// picture otherwise): the hand and laser pointers load their own picture.
CStrokeBase* NewPicture(const char* id, IWbBoardChannel* owner) {
  const StrokeKind* kind = StrokeKindOfId(id);
  if (!kind || kind->payloadType != WB_OBJ_IMAGE) kind = FindStrokeKind("image");
  CStrokeBase* picture = kind->create(owner);
  if (CStrokeHandPointer* hand = dynamic_cast<CStrokeHandPointer*>(picture)) hand->LoadHandPicture();
  if (CStrokeLaser* laser = dynamic_cast<CStrokeLaser*>(picture)) laser->LoadLaserPicture();
  return picture;
}

}  // namespace

CStrokeBase* NewStrokeFromPayload(const void* payload, IWbBoardChannel* owner) {
  if (!payload) return nullptr;
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  if (!NumbersInRange(payload)) {
    ModuleLog("[ERROR]NewStrokeFromPayload(a received coordinate is out of range)\n");
    return nullptr;
  }
  char id[WB_ID_LEN];
  SetWbText(id, head->szID);  // the received id may lack its terminating zero
  CStrokeBase* stroke = head->nObjType == WB_OBJ_IMAGE ? NewPicture(id, owner)
                                                       : NewStrokeForId(id, owner);
  if (!stroke) {
    ModuleLog("[ERROR]NewStrokeFromPayload(no object kind for the received id)\n");
    return nullptr;
  }
  SetWbText(stroke->m_szID, id);
  BOOL picturePointer = dynamic_cast<CStrokeHandPointer*>(stroke) || dynamic_cast<CStrokeLaser*>(stroke);
  if (picturePointer && head->nObjType != WB_OBJ_IMAGE) {
    delete stroke;  // a pointer's place is read from a picture payload only
    ModuleLog("[ERROR]NewStrokeFromPayload(a pointer's id on a payload that is no picture)\n");
    return nullptr;
  }
  if (!ApplyGeometry(stroke, payload) && !picturePointer) {
    delete stroke;
    ModuleLog("[ERROR]NewStrokeFromPayload(the received payload carries no geometry)\n");
    return nullptr;
  }
  if (picturePointer) {
    const WbImagePayload* p = static_cast<const WbImagePayload*>(payload);
    CStrokeBitmap* picture = static_cast<CStrokeBitmap*>(stroke);
    LONG x = 0, y = 0;
    ReadNumber(p->szX, &x), ReadNumber(p->szY, &y);
    picture->m_nX = x, picture->m_nY = y;
  }
  stroke->UpdateTracker();
  return stroke;
}

BOOL ApplyPayloadToStroke(CStrokeBase* stroke, const void* payload) {
  if (!stroke || !payload || !NumbersInRange(payload) || !ApplyGeometry(stroke, payload)) return FALSE;
  stroke->UpdateTracker();
  return TRUE;
}

CStrokeBase* FindStrokeById(CStrokePage* page, const char* id) {
  if (!page || !id) return nullptr;
  for (POSITION pos = page->m_listStroke.GetHeadPosition(); pos;) {
    CStrokeBase* stroke = static_cast<CStrokeBase*>(page->m_listStroke.GetNext(pos));
    if (strncmp(stroke->m_szID, id, WB_ID_LEN - 1) == 0) return stroke;
  }
  return nullptr;
}

void* NewDeletionPayload(CStrokeBase* stroke) {
  if (!stroke) return nullptr;
  DWORD type = BoxPayloadTypeOfId(stroke->m_szID);
  if (!type) type = dynamic_cast<CStrokeText*>(stroke)     ? WB_OBJ_TEXT
                    : dynamic_cast<CStrokeBitmap*>(stroke) ? WB_OBJ_IMAGE
                                                           : WB_OBJ_PATH;
  WbShapePayload* head = NewWbPayload(type);
  if (!head) return nullptr;
  SetWbText(head->szID, stroke->m_szID);
  head->nSubOp = kSubOpDeleted;
  return head;
}
