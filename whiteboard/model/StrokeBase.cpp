#include "whiteboard/model/StrokeBase.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "common/Codecs.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbBoardChannel.h"
#include "whiteboard/model/WbXmlText.h"
#include "xml/XmlTree.h"

IMPLEMENT_DYNCREATE(CStrokeBase, CCmdTarget)

namespace {

// The tracker style of every stroke: dotted frame, handles outside.
constexpr UINT kTrackerStyle = CRectTracker::dottedLine | CRectTracker::resizeOutside;
constexpr int kTrackerHandleSize = 5;

// The one message block of BuildOpRecord, shared by all strokes and never freed.
struct OpRecordBlock {
  WbMsgHeader header;
  WbStyleRecord style;
  WbListNode node;
  WbPageOpRecord pageOp;
};
OpRecordBlock g_opRecord;

// Standard Base64 of a text; the work buffer is twice the text and at least 2,048 bytes.
CString Base64Text(const CString& text) {
  std::vector<BYTE> out(text.GetLength() * 2 > 2048 ? text.GetLength() * 2 : 2048);
  DWORD length = 0;
  if (drm_Base64Encode((const BYTE*)(LPCTSTR)text, text.GetLength(), out.data(), &length) != 0) return CString();
  return CString((const char*)out.data(), (int)length);
}

// The number after key in a style value ("stroke:255;stroke-width:2"); FALSE without key.
BOOL ReadStyleNumber(const char* style, const char* key, int* value) {
  const char* at = strstr(style, key);
  if (!at) return FALSE;
  *value = ReadXmlDecimal(at + strlen(key));
  return TRUE;
}

LONG TruncateToLong(float value) {
  if (!(value > (float)INT_MIN)) return INT_MIN;  // also NaN
  if (value >= (float)INT_MAX) return INT_MAX;
  return (LONG)value;
}

}  // namespace

CStrokeBase::CStrokeBase() = default;

CStrokeBase::CStrokeBase(IWbBoardChannel* owner) : m_pOwner(owner) {}

CStrokeBase::~CStrokeBase() = default;

BOOL CStrokeBase::UpdateTracker() { return TRUE; }

void CStrokeBase::Draw(CDC* dc, LPRECT rect) {}

BOOL CStrokeBase::DrawsInto(const RECT&) { return TRUE; }

BOOL CStrokeBase::HitTest(int x, int y) {
  m_bSelected = TRUE;
  return TRUE;
}

CRectTracker* CStrokeBase::GetTracker() { return &m_tracker; }

WbMsgHeader* CStrokeBase::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                         WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                         DWORD headerValue, void** ppExtra) {
  return nullptr;
}

void CStrokeBase::ScaleTo(LPCRECT newRect) {}

CString CStrokeBase::ToXml() {
  CString content = GetContent();
  CString styleExtra = GetStyleExtra();
  CString extraAttributes = GetExtraAttributes();
  if (!styleExtra.IsEmpty() && styleExtra[0] != ';') styleExtra = ";" + styleExtra;
  if (!extraAttributes.IsEmpty() && extraAttributes[0] != ' ') extraAttributes = " " + extraAttributes;
  CString name = GetElementName();
  const CRect& r = m_tracker.m_rect;
  CString xml;
  xml.Format("<%s id=\"%s\" x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" style=\"stroke:%d;stroke-width:%d%s\"%s",
             (LPCTSTR)name, (LPCTSTR)EscapeXmlAttribute(m_szID), (int)r.left, (int)r.top, (int)r.right,
             (int)r.bottom, (int)m_crColor, m_nPenWidth, (LPCTSTR)styleExtra, (LPCTSTR)extraAttributes);
  if (content.IsEmpty())
    xml += "/>";
  else
    xml.AppendFormat(">%s</%s>", (LPCTSTR)Base64Text(content), (LPCTSTR)name);
  return xml;
}

BOOL CStrokeBase::FromXml(XmlElement* element) {
  if (!element) return FALSE;
  if (!CopyXmlId(element, m_szID, sizeof(m_szID))) return FALSE;
  CRect rect(ReadXmlDecimal(XmlAttributeText(element, "x1")), ReadXmlDecimal(XmlAttributeText(element, "y1")),
             ReadXmlDecimal(XmlAttributeText(element, "x2")),
             ReadXmlDecimal(XmlAttributeText(element, "y2")));
  m_tracker.m_rect = rect;
  m_rcDraw = rect;
  // A style without one of its keys keeps that value as it was.
  if (const char* style = XmlAttributeText(element, "style")) {
    int color = 0;
    if (ReadStyleNumber(style, "stroke:", &color)) m_crColor = (COLORREF)color;
    ReadStyleNumber(style, "stroke-width:", &m_nPenWidth);
  }
  return TRUE;
}

CString CStrokeBase::GetStyleExtra() { return CString(); }
CString CStrokeBase::GetExtraAttributes() { return CString(); }
CString CStrokeBase::GetContent() { return CString(); }
CString CStrokeBase::GetTypeName() { return "base"; }
CString CStrokeBase::GetElementName() { return GetTypeName(); }

WbMsgHeader* CStrokeBase::BuildOpRecord(DWORD type, DWORD subCode, CString confId, DWORD subConfValue,
                                        DWORD page, CString uri) {
  OpRecordBlock& block = g_opRecord;
  memset(&block, 0, sizeof(block));
  block.header.head.op = (DWORD)-1;
  block.header.nValue = -1;
  block.pageOp.nPage = -1;
  block.pageOp.nOp = -1;
  block.style.nPenWidth = -1;
  block.style.nFontSize = -1;
  block.style.nWeight = -1;
  block.style.nItalic = -1;
  block.style.fReserved = -1.0f;

  block.header.head.op = type;
  if (uri.IsEmpty() && m_pOwner) uri = m_pOwner->GetWbConfURI();
  SetWbText(block.header.head.szSessionURI, uri);
  SetWbText(block.header.head.szDConfID, confId);
  block.header.head.nSubConfID = subConfValue;
  block.node.pItem = GetObjectRecord(type, subCode);
  block.pageOp.nPage = (int32_t)page;
  block.pageOp.nOp = WB_PAGEOP_OBJECT;
  block.pageOp.pList = &block.node;
  block.header.pPageOp = &block.pageOp;
  return &block.header;
}

void* CStrokeBase::GetObjectRecord(DWORD type, DWORD subCode) { return nullptr; }

WbStyleRecord* CStrokeBase::GetFontRecord(DWORD type, DWORD subCode) { return nullptr; }

WbStyleRecord* CStrokeBase::OpRecordStyle() { return &g_opRecord.style; }

void CStrokeBase::SetTrackerRect(const RECT& rect) {
  m_tracker.m_nStyle = kTrackerStyle;
  m_tracker.m_nHandleSize = kTrackerHandleSize;
  m_tracker.m_rect = rect;
}

BOOL CStrokeBase::ChangeOutputsGiven(void** ppPayload, WbStyleRecord** ppStyle, WbPageOpRecord** ppPageOp,
                                     WbListNode** ppNode, void** ppExtra, BOOL needExtra) {
  return ppPayload && ppStyle && ppPageOp && ppNode && (ppExtra || !needExtra);
}

void CStrokeBase::FillPayloadHead(WbShapePayload* head, DWORD objType, int op) const {
  head->nObjType = objType;
  SetWbText(head->szID, m_szID);
  head->nSubOp = op == WB_CHANGE_TO_FRONT ? WB_SUBOP_TO_FRONT
                 : op == WB_CHANGE_TO_BACK ? WB_SUBOP_TO_BACK
                                           : WB_SUBOP_CHANGE;
}

WbStyleRecord* CStrokeBase::NewPenStyle(WbStyleRecord** ppStyle) const {
  WbStyleRecord* style = *ppStyle = NewWbStyleRecord();
  if (style) {
    SetWbColor(style->szPenColor, m_crColor);
    style->nPenWidth = m_nPenWidth;
  }
  return style;
}

WbStyleRecord* CStrokeBase::NewFillStyle(WbStyleRecord** ppStyle) const {
  WbStyleRecord* style = *ppStyle = NewWbStyleRecord();
  if (style) SetWbColor(style->szFillColor, m_crColor);
  return style;
}

WbStyleRecord* CStrokeBase::NewWidthStyle(WbStyleRecord** ppStyle) const {
  WbStyleRecord* style = *ppStyle = NewWbStyleRecord();
  if (style) style->nPenWidth = m_nPenWidth;
  return style;
}

BOOL CStrokeBase::AnswersChangeOp(BOOL filledKind, int op) {
  switch (op) {
    case WB_CHANGE_GEOMETRY:
    case WB_CHANGE_PEN_WIDTH:
    case WB_CHANGE_TO_FRONT:
    case WB_CHANGE_TO_BACK: return TRUE;
    case WB_CHANGE_FILL_COLOR: return filledKind;
    case WB_CHANGE_PEN_COLOR: return !filledKind;
    default: return FALSE;
  }
}

BOOL CStrokeBase::NewChangeStyle(BOOL filledKind, int op, WbStyleRecord** ppStyle) const {
  *ppStyle = nullptr;
  if (op == WB_CHANGE_FILL_COLOR && filledKind) return NewFillStyle(ppStyle) != nullptr;
  if (op == WB_CHANGE_PEN_WIDTH && filledKind) return NewWidthStyle(ppStyle) != nullptr;
  if ((op == WB_CHANGE_PEN_COLOR || op == WB_CHANGE_PEN_WIDTH) && !filledKind) return NewPenStyle(ppStyle) != nullptr;
  return TRUE;
}

WbMsgHeader* CStrokeBase::NewBoardHeader(BYTE headerKind, DWORD type, DWORD value) const {
  BYTE board = 0;
  for (BYTE bit : {WB_HEADER_CONF, WB_HEADER_SHARE, WB_HEADER_P2P})
    if (!board && (headerKind & bit)) board = bit;
  if (!board || !m_pOwner || m_pOwner->HeaderKind() != board) return nullptr;
  return m_pOwner->NewBoardHeader(type, value);
}

WbMsgHeader* CStrokeBase::FinishChangeMessage(BYTE headerKind, void* payload, DWORD page, DWORD headerValue,
                                              WbPageOpRecord** ppPageOp, WbListNode** ppNode) const {
  WbPageOpRecord* pageOp = *ppPageOp = NewWbPageOpRecord();
  WbListNode* node = *ppNode = NewWbListNode();
  if (!pageOp || !node) return nullptr;
  node->pItem = payload;
  pageOp->nPage = (int32_t)page;
  pageOp->nOp = WB_PAGEOP_OBJECT;
  pageOp->pList = node;
  WbMsgHeader* header = NewBoardHeader(headerKind, WB_MSG_OBJECT_CHANGE, headerValue);
  if (header) header->pPageOp = pageOp;
  return header;
}

CPoint CStrokeBase::ScalePoint(POINT point, const RECT& from, const RECT& to) {
  long long fromWidth = (long long)from.right - from.left, fromHeight = (long long)from.bottom - from.top;
  float fx = fromWidth ? (float)((long long)to.right - to.left) / (float)fromWidth : 1.0f;
  float fy = fromHeight ? (float)((long long)to.bottom - to.top) / (float)fromHeight : 1.0f;
  return CPoint(TruncateToLong((float)((long long)point.x - from.left) * fx + (float)to.left),
                TruncateToLong((float)((long long)point.y - from.top) * fy + (float)to.top));
}

BOOL CStrokeBase::GetPointBounds(const CArray<CPoint, CPoint>& points, RECT* bounds) {
  if (points.IsEmpty()) return FALSE;
  RECT r = {points[0].x, points[0].y, points[0].x, points[0].y};
  for (int i = 1; i < points.GetSize(); ++i) {
    const CPoint& p = points[i];
    if (p.x < r.left) r.left = p.x;
    if (p.x > r.right) r.right = p.x;
    if (p.y < r.top) r.top = p.y;
    if (p.y > r.bottom) r.bottom = p.y;
  }
  *bounds = r;
  return TRUE;
}
