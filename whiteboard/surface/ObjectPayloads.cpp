#include "whiteboard/surface/ObjectPayloads.h"

#include <cstring>

#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokeDocPage.h"
#include "whiteboard/model/StrokeFreeLine.h"
#include "whiteboard/model/StrokeHandPointer.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/StrokeRoundRect.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbGeometry.h"
#include "whiteboard/model/WbShared.h"

namespace {

// A payload of type T with the object's type and id, sub-op 0.
template <class T>
T* NewPayloadFor(T* (*allocate)(), CStrokeBase* stroke, DWORD objType) {
  T* payload = stroke ? allocate() : nullptr;
  if (!payload) return nullptr;
  payload->head.nObjType = objType;
  SetWbText(payload->head.szID, stroke->m_szID);
  payload->head.nSubOp = 0;
  return payload;
}

enum ColourField { kPenColour, kFillColour };

// Hangs a style record on the payload: the colour in its field, the width with the pen
// colour. Frees the payload and returns NULL when out of memory.
template <class T>
T* WithStyle(T* payload, CStrokeBase* stroke, ColourField field) {
  if (!payload) return nullptr;
  WbStyleRecord* style = NewWbStyleRecord();
  if (!style) {
    FreeWbPayload(payload);
    return nullptr;
  }
  payload->pStyle = style;
  if (field == kPenColour) {
    SetWbColor(style->szPenColor, stroke->m_crColor);
    style->nPenWidth = stroke->m_nPenWidth;
  } else {
    SetWbColor(style->szFillColor, stroke->m_crColor);
  }
  return payload;
}

}  // namespace

WbLinePayload* NewLinePayloadOf(CStrokeBase* stroke) {
  WbLinePayload* p = NewPayloadFor(NewWbLinePayload, stroke, WB_OBJ_LINE);
  if (p) SetWbLineGeometry(p, stroke->m_rcDraw);
  return WithStyle(p, stroke, kPenColour);
}

WbRectPayload* NewRectPayloadOf(CStrokeBase* stroke, BOOL filled, BOOL withCorner) {
  WbRectPayload* p = NewPayloadFor(NewWbRectPayload, stroke, WB_OBJ_RECT);
  if (!p) return nullptr;
  SetWbRectGeometry(p, stroke->m_rcDraw);
  if (CStrokeRoundRect* round = withCorner ? dynamic_cast<CStrokeRoundRect*>(stroke) : nullptr) {
    SetWbNumber(p->szCornerX, round->m_nRx);
    SetWbNumber(p->szCornerY, round->m_nRy);
  }
  return WithStyle(p, stroke, filled ? kFillColour : kPenColour);
}

WbEllipsePayload* NewEllipsePayloadOf(CStrokeBase* stroke, BOOL filled) {
  WbEllipsePayload* p = NewPayloadFor(NewWbEllipsePayload, stroke, WB_OBJ_ELLIPSE);
  if (p) SetWbEllipseGeometry(p, stroke->m_rcDraw);
  return WithStyle(p, stroke, filled ? kFillColour : kPenColour);
}

WbCirclePayload* NewCirclePayloadOf(CStrokeBase* stroke) {
  WbCirclePayload* p = NewPayloadFor(NewWbCirclePayload, stroke, WB_OBJ_CIRCLE);
  if (p) SetWbCircleGeometry(p, stroke->GetTracker()->m_rect);
  return WithStyle(p, stroke, kFillColour);
}

WbPathPayload* NewPathPayloadOf(CStrokeBase* stroke) {
  CStrokeFreeLine* path = dynamic_cast<CStrokeFreeLine*>(stroke);
  WbPathPayload* p = path ? NewPayloadFor(NewWbPathPayload, stroke, WB_OBJ_PATH) : nullptr;
  if (!p) return nullptr;
  p->pszPath = NewWbText(PointsToPathText(&path->m_arrPoint));
  if (!p->pszPath) {
    FreeWbPayload(p);
    return nullptr;
  }
  return WithStyle(p, stroke, kPenColour);
}

WbImagePayload* NewPicturePayloadOf(CStrokeBase* stroke, const char* data) {
  CWbPicture* picture = dynamic_cast<CWbPicture*>(stroke);
  WbImagePayload* p = picture && data ? NewPayloadFor(NewWbImagePayload, stroke, WB_OBJ_IMAGE) : nullptr;
  if (!p) return nullptr;
  SetWbNumber(p->szX, picture->m_nX);
  SetWbNumber(p->szY, picture->m_nY);
  SetWbNumber(p->szWidth, picture->m_nWidth);
  SetWbNumber(p->szHeight, picture->m_nHeight);
  p->pszData = NewWbText(data);
  if (!p->pszData) {
    FreeWbPayload(p);
    return nullptr;
  }
  return p;
}

WbTextPayload* NewTextPayloadOf(CStrokeBase* stroke) {
  CStrokeText* text = dynamic_cast<CStrokeText*>(stroke);
  WbTextPayload* p = text ? NewWbTextPayload() : nullptr;
  if (!p) return nullptr;
  // The text's own record lives in a shared block: copy it with a text and font of our own.
  const WbTextPayload* shared = static_cast<const WbTextPayload*>(text->GetObjectRecord(WB_MSG_OBJECT_ADD, 5));
  memcpy(p, shared, sizeof(WbTextPayload));
  p->head.nSubOp = 0;
  p->pszText = NewWbText(text->m_csText);
  p->pStyle = NewWbStyleRecord();
  if (p->pStyle && shared->pStyle) memcpy(p->pStyle, shared->pStyle, sizeof(WbStyleRecord));
  if (!p->pszText || !p->pStyle) {
    FreeWbPayload(p);
    return nullptr;
  }
  return p;
}

void* NewObjectPayload(CStrokeBase* stroke) {
  if (!stroke) return nullptr;
  // The one-box kinds by the kind their id names; the others by their class.
  const StrokeKind* kind = StrokeKindOfId(stroke->m_szID);
  const BOOL filled = kind && kind->colour == kStrokeColourFill;
  switch (kind ? kind->payloadType : 0) {
    case WB_OBJ_LINE: return NewLinePayloadOf(stroke);
    case WB_OBJ_RECT: return NewRectPayloadOf(stroke, filled, TRUE);  // the corner of a round one
    case WB_OBJ_ELLIPSE: return NewEllipsePayloadOf(stroke, filled);
    case WB_OBJ_CIRCLE: return NewCirclePayloadOf(stroke);
    default: break;
  }
  if (dynamic_cast<CStrokeText*>(stroke)) return NewTextPayloadOf(stroke);
  if (dynamic_cast<CStrokeHandPointer*>(stroke)) return NewPicturePayloadOf(stroke, "Hand.bmp");
  if (dynamic_cast<CStrokeLaser*>(stroke)) return NewPicturePayloadOf(stroke, "laser.bmp");
  if (CStrokeBitmap* bitmap = dynamic_cast<CStrokeBitmap*>(stroke))
    return NewPicturePayloadOf(stroke, CWbPicture::MakeDataUrl(bitmap->m_csFormat, bitmap->m_csData));
  if (dynamic_cast<CStrokeFreeLine*>(stroke)) return NewPathPayloadOf(stroke);
  return nullptr;  // the page background travels with the page, not as an object
}
