// CStrokeBase: what every object on a whiteboard page shares (id, bounds, selection tracker,
// colour, pen width, the channel of its board), the virtual operations through which the
// surfaces, the page and the windows handle any object, the generic XML element writer and
// reader, and the shared building blocks of the change messages the objects build.
#pragma once

#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/Geometry.h"
#include "platform/gdi/RectTracker.h"
#include "platform/ui/Wnd.h"
#include "protocol/WbRecords.h"

class CDC;
class IWbBoardChannel;
struct XmlElement;

class CStrokeBase : public CCmdTarget {
  DECLARE_DYNCREATE(CStrokeBase)

 public:
  CStrokeBase();
  explicit CStrokeBase(IWbBoardChannel* owner);
  ~CStrokeBase() override;
  CStrokeBase(const CStrokeBase&) = delete;
  CStrokeBase& operator=(const CStrokeBase&) = delete;

  // Sets the tracker (style, handle size, rectangle) from the geometry; the base does nothing.
  virtual BOOL UpdateTracker();
  // Draws the object into dc within rect; NULL dc or rect draws nothing.
  virtual void Draw(CDC* dc, LPRECT rect);
  // Whether drawing the object may touch area (document coordinates), asked once its drawn
  // box is known to reach the area: outlines along segments answer by their segments; the
  // base (and every filled or boxed kind) answers TRUE.
  virtual BOOL DrawsInto(const RECT& area);
  // Whether the document point lies on the object; the answer is kept in m_bSelected.
  virtual BOOL HitTest(int x, int y);
  virtual CRectTracker* GetTracker() final;
  // One change message of header type 8 for change op (WbChangeOp); headerKind selects the
  // board (WbHeaderKind, tested bit by bit: 1, then 2, then 4). Every allocated block is handed
  // back through the out-pointers, also when the build fails half-way; the caller sends the
  // header and frees the header and each block. NULL when the op is not handled, a block
  // cannot be allocated or an out-pointer is missing. The base handles no op.
  virtual WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                      WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                      DWORD headerValue, void** ppExtra);
  // Maps the geometry from m_rcDraw into newRect; the base does nothing.
  virtual void ScaleTo(LPCRECT newRect);
  // The object's element of the page XML.
  virtual CString ToXml();
  // Fills the object from one element; FALSE for NULL or an element without "id".
  virtual BOOL FromXml(XmlElement* element);
  // Hooks of the generic writer: further style keys, further attributes, element content.
  virtual CString GetStyleExtra();
  virtual CString GetExtraAttributes();
  virtual CString GetContent();
  // The type word that starts ids and selects the class when a page is read.
  virtual CString GetTypeName();
  virtual CString GetElementName();
  // Fills the one static message block that all objects share and returns its header; it
  // must be sent before any object builds another one, and is never freed.
  virtual WbMsgHeader* BuildOpRecord(DWORD type, DWORD subCode, CString confId, DWORD subConfValue,
                                     DWORD page, CString uri) final;
  // The payload of BuildOpRecord's list node; NULL in the base.
  virtual void* GetObjectRecord(DWORD type, DWORD subCode);
  // The font style record of a text record; NULL in the base.
  virtual WbStyleRecord* GetFontRecord(DWORD type, DWORD subCode);

  char m_szID[WB_ID_LEN] = {};
  CRectTracker m_tracker;
  RECT m_rcDraw = {0, 0, 0, 0};
  BOOL m_bSelected = FALSE;
  COLORREF m_crColor = 0;
  int m_nPenWidth = 2;
  // The channel of the board the object is on: its change and method records are addressed
  // through it. NULL for an object of no board.
  IWbBoardChannel* m_pOwner = nullptr;

 protected:
  // The shared tracker setting: dotted line with handles outside, handle size 5.
  void SetTrackerRect(const RECT& rect);

  // ---- Building blocks of BuildWbMessage for the derived classes ----
  // TRUE when the out-pointers every change message needs are given (ppExtra too when
  // needExtra).
  static BOOL ChangeOutputsGiven(void** ppPayload, WbStyleRecord** ppStyle, WbPageOpRecord** ppPageOp,
                                 WbListNode** ppNode, void** ppExtra, BOOL needExtra);
  // Sets a payload head: object type, this object's id, the sub-op of change op
  // (7 to front, 8 to back, any other 1).
  void FillPayloadHead(WbShapePayload* head, DWORD objType, int op) const;
  // A style record in *ppStyle carrying the pen colour and width (ops 3 and 4 of outline
  // kinds), the fill colour (op 2 of filled kinds) or only the width (op 4 of filled kinds).
  WbStyleRecord* NewPenStyle(WbStyleRecord** ppStyle) const;
  WbStyleRecord* NewFillStyle(WbStyleRecord** ppStyle) const;
  WbStyleRecord* NewWidthStyle(WbStyleRecord** ppStyle) const;
  // Whether a kind answers change op: every kind ops 1, 7 and 8; outline kinds also 3 and 4,
  // filled kinds (filledKind TRUE) also 2 and 4.
  static BOOL AnswersChangeOp(BOOL filledKind, int op);
  // The style record change op carries for such a kind, in *ppStyle: pen colour and width
  // (outline ops 3, 4), fill colour (filled op 2), width only (filled op 4); NULL for the other
  // ops. FALSE when the record cannot be allocated.
  BOOL NewChangeStyle(BOOL filledKind, int op, WbStyleRecord** ppStyle) const;
  // The header of the board that headerKind selects (its first bit of 1, 2 and 4), built by
  // m_pOwner; NULL when no such bit is set, the object has no channel or its channel is
  // another board's.
  WbMsgHeader* NewBoardHeader(BYTE headerKind, DWORD type, DWORD value) const;
  // Completes a change message around payload: a page/op record (page, op 3) in *ppPageOp,
  // one list node holding payload in *ppNode, and the header of type 8 of the board.
  WbMsgHeader* FinishChangeMessage(BYTE headerKind, void* payload, DWORD page, DWORD headerValue,
                                   WbPageOpRecord** ppPageOp, WbListNode** ppNode) const;

  // The shared style record of the static block of BuildOpRecord (for GetFontRecord).
  static WbStyleRecord* OpRecordStyle();

  // ---- Geometry helpers of the point-list shapes ----
  // Maps point from the rectangle `from` into `to`; an axis along which `from` has no
  // extent is moved, not scaled.
  static CPoint ScalePoint(POINT point, const RECT& from, const RECT& to);
  // The smallest rectangle (left, top, right, bottom = min x, min y, max x, max y) holding the
  // points; FALSE and nothing written without points. One point gives that point.
  static BOOL GetPointBounds(const CArray<CPoint, CPoint>& points, RECT* bounds);
};
