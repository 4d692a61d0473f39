// New and changed objects as whiteboard records: the new-object builders (header type 7, op 3),
// the objects' own method records and their change records.
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/WbBoardChannel.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbStrokeRecords.h"
#include "whiteboard/surface/DrawSurface.h"
#include "whiteboard/surface/ObjectPayloads.h"

namespace {

// An ellipse or circle travels as centre and whole radii, so an odd width or height arrives one
// pixel smaller: the sender takes the geometry it sent, and both boards hold the same object.
void KeepSentGeometry(CStrokeBase* stroke, const void* payload) {
  DWORD type = payload ? static_cast<const WbShapePayload*>(payload)->nObjType : 0;
  if (stroke && (type == WB_OBJ_ELLIPSE || type == WB_OBJ_CIRCLE)) ApplyPayloadToStroke(stroke, payload);
}

}  // namespace

// Wraps a payload into header type 7 with the page/op record (current page, op 3) and one
// list node, sends it and frees the whole message (the payload too, also on failure).
UINT CDrawSurface::SendNewPayload(void* payload) {
  if (!payload) return 0;
  KeepSentGeometry(m_pStrokeTemp, payload);
  if (!CanSend()) {
    FreeWbPayload(payload);
    return 0;
  }
  WbMsgHeader* header =
      m_nCurPageNo ? Channel()->NewBoardHeader(WB_MSG_OBJECT_ADD, (DWORD)BoardPageCount()) : nullptr;
  WbPageOpRecord* pageOp = header ? NewWbPageOpRecord() : nullptr;
  WbListNode* node = pageOp ? NewWbListNode() : nullptr;
  if (header) header->pPageOp = pageOp;
  if (!node) {
    FreeWbMessage(header);
    FreeWbPayload(payload);
    return 0;
  }
  pageOp->nPage = m_nCurPageNo;
  pageOp->nOp = WB_PAGEOP_OBJECT;
  pageOp->bNewPage = 0;
  pageOp->pList = node;
  node->pItem = payload;
  SendToHost(header);
  FreeWbMessage(header);
  return 1;
}

UINT CDrawSurface::SendNewLine() { return SendNewPayload(NewLinePayloadOf(m_pStrokeTemp)); }
UINT CDrawSurface::SendNewRectangle() { return SendNewPayload(NewRectPayloadOf(m_pStrokeTemp, FALSE, FALSE)); }
UINT CDrawSurface::SendNewSolidRectangle() { return SendNewPayload(NewRectPayloadOf(m_pStrokeTemp, TRUE, FALSE)); }
UINT CDrawSurface::SendNewRoundRect() { return SendNewPayload(NewRectPayloadOf(m_pStrokeTemp, TRUE, TRUE)); }
UINT CDrawSurface::SendNewEllipse() { return SendNewPayload(NewEllipsePayloadOf(m_pStrokeTemp, FALSE)); }
UINT CDrawSurface::SendNewSolidEllipse() { return SendNewPayload(NewEllipsePayloadOf(m_pStrokeTemp, TRUE)); }
UINT CDrawSurface::SendNewCircle() { return SendNewPayload(NewCirclePayloadOf(m_pStrokeTemp)); }
UINT CDrawSurface::SendNewTriangle() { return SendNewPayload(NewPathPayloadOf(m_pStrokeTemp)); }
UINT CDrawSurface::SendNewTrapezia() { return SendNewPayload(NewPathPayloadOf(m_pStrokeTemp)); }
UINT CDrawSurface::SendNewFreeLine() { return SendNewPayload(NewPathPayloadOf(m_pStrokeTemp)); }
UINT CDrawSurface::SendNewFluorescence() { return SendNewPayload(NewPathPayloadOf(m_pStrokeTemp)); }
UINT CDrawSurface::SendNewPolyline() { return SendNewPayload(NewPathPayloadOf(m_pStrokeTemp)); }
UINT CDrawSurface::SendNewPolygon() { return SendNewPayload(NewPathPayloadOf(m_pStrokeTemp)); }

UINT CDrawSurface::SendNewImage(const char* pszBase64) {
  CStrokeBitmap* picture = dynamic_cast<CStrokeBitmap*>(m_pStrokeTemp);
  if (!picture || !pszBase64) return 0;
  CString url;
  url.Format("data:image/%s;base64,%s", (LPCTSTR)picture->m_csFormat, pszBase64);
  return SendNewPayload(NewPicturePayloadOf(picture, url));
}

UINT CDrawSurface::SendNewHand() { return SendNewPayload(NewPicturePayloadOf(m_pStrokeTemp, "Hand.bmp")); }
UINT CDrawSurface::SendNewLaser() { return SendNewPayload(NewPicturePayloadOf(m_pStrokeTemp, "laser.bmp")); }

// ---- Records the objects build ----

int CDrawSurface::SendStrokeMethod(int nMethod, int nKind, CStrokeBase* pStroke) {
  if (!pStroke) return 0;
  ReleaseCapture();
  if (!IsOnCurrentPage(pStroke)) return 0;
  WbMsgHeader* record = BuildMethodRecord(pStroke, nMethod, nKind);
  // The block belongs to the objects' shared record and is not freed here.
  return record && CanSend() ? SendToHost(record) : 0;
}

int CDrawSurface::SendChange(int op, CStrokeBase* pStroke) {
  if (!pStroke || !IsOnCurrentPage(pStroke)) return 0;
  void* payload = nullptr;
  WbStyleRecord* style = nullptr;
  WbPageOpRecord* pageOp = nullptr;
  WbListNode* node = nullptr;
  void* extra = nullptr;
  IWbBoardChannel* channel = Channel();
  BYTE headerKind = channel ? channel->HeaderKind() : 0;
  WbMsgHeader* record = pStroke->BuildWbMessage(op, headerKind, &payload, &style, &pageOp, &node,
                                                (DWORD)m_nCurPageNo, (DWORD)BoardPageCount(), &extra);
  if (op == WB_CHANGE_GEOMETRY) KeepSentGeometry(pStroke, payload);
  int result = record && CanSend() ? SendToHost(record) : 0;
  // Every block the object allocated comes back through the out-pointers, also on failure.
  FreeWbBlock(style);
  FreeWbBlock(payload);
  FreeWbBlock(node);
  FreeWbBlock(pageOp);
  FreeWbBlock(record);
  FreeWbBlock(extra);
  return result;
}
