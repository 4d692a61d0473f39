#include "whiteboard/model/StrokeBitmap.h"

#include <cstdlib>
#include <cstring>

#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbShared.h"
#include "whiteboard/model/WbXmlText.h"

IMPLEMENT_DYNCREATE(CStrokeBitmap, CStrokeBase)

namespace {

// A fixed number field of a received payload, which need not end in a zero.
template <size_t N>
int ReadPayloadNumber(const char (&field)[N]) {
  char text[N + 1];
  memcpy(text, field, N);
  text[N] = '\0';
  return ReadXmlDecimal(text);
}

}  // namespace

CStrokeBitmap::CStrokeBitmap() = default;

CStrokeBitmap::CStrokeBitmap(IWbBoardChannel* owner) : CStrokeBase(owner) {}

void CStrokeBitmap::PlaceTracker(UINT style, int handleSize) {
  m_tracker.m_rect = PictureRect();
  m_tracker.m_nStyle = style;
  m_tracker.m_nHandleSize = handleSize;
  m_rcDraw = m_tracker.m_rect;
}

void CStrokeBitmap::SetKindId(const char* kind) {
  CString id;
  id.Format("%s:%s", kind, MakeGuidText());
  SetWbText(m_szID, id);
}

BOOL CStrokeBitmap::UpdateTracker() {
  SetTrackerRect(PictureRect());
  return TRUE;
}

// Drawn where the tracker says (a move or resize changes only the tracker); the rectangle drawn
// becomes the bounds of the last draw.
void CStrokeBitmap::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  DrawStretched(dc, *rect);
  CRect drawn(*rect);
  drawn.NormalizeRect();
  m_rcDraw = drawn;
}

BOOL CStrokeBitmap::HitTest(int x, int y) {
  m_bSelected = PointInRect(m_tracker.m_rect, x, y);
  return m_bSelected;
}

WbMsgHeader* CStrokeBitmap::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                           WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                           DWORD headerValue, void** ppExtra) {
  if (!ChangeOutputsGiven(ppPayload, ppStyle, ppPageOp, ppNode, ppExtra, FALSE)) return nullptr;
  if (op != WB_CHANGE_GEOMETRY && op != WB_CHANGE_TO_FRONT && op != WB_CHANGE_TO_BACK) return nullptr;
  WbImagePayload* payload = NewWbImagePayload();
  *ppPayload = payload;
  if (!payload) return nullptr;
  FillPayloadHead(&payload->head, WB_OBJ_IMAGE, op);
  if (op == WB_CHANGE_GEOMETRY) {
    const CRect& r = m_tracker.m_rect;
    SetWbNumber(payload->szX, r.left);
    SetWbNumber(payload->szY, r.top);
    SetWbNumber(payload->szWidth, llabs((long long)r.right - r.left));
    SetWbNumber(payload->szHeight, llabs((long long)r.bottom - r.top));
  }
  return FinishChangeMessage(headerKind, payload, page, headerValue, ppPageOp, ppNode);
}

CString CStrokeBitmap::ToXml() { return DocPageElement(GetTypeName(), m_szID); }

BOOL CStrokeBitmap::FromXml(XmlElement* element) {
  if (!CStrokeBase::FromXml(element) || !LoadHref(element)) return FALSE;
  UpdateTracker();
  return TRUE;
}

CString CStrokeBitmap::GetTypeName() { return "docpage"; }

void* CStrokeBitmap::GetObjectRecord(DWORD type, DWORD subCode) {
  return FillRecord(&m_payload, WB_OBJ_IMAGE, m_szID, type);
}

BOOL CStrokeBitmap::ApplyRecord(const void* payload) {
  const WbImagePayload* record = static_cast<const WbImagePayload*>(payload);
  DataUrlResult result = record ? LoadDataUrl(record->pszData) : kDataUrlRefused;
  if (result == kDataUrlRefused) return FALSE;
  m_nX = ReadPayloadNumber(record->szX);
  m_nY = ReadPayloadNumber(record->szY);
  if (result == kDataUrlLoaded) {
    m_nWidth = ReadPayloadNumber(record->szWidth);
    m_nHeight = ReadPayloadNumber(record->szHeight);
  }
  UpdateTracker();
  m_rcDraw = m_tracker.m_rect;
  return result == kDataUrlLoaded;
}

BOOL CStrokeBitmap::IsNonZero(DWORD value) { return value != 0; }

CString CStrokeBitmap::ToXmlImage() { return ImageElement(m_szID, m_tracker.m_rect); }

BOOL CStrokeBitmap::FromXmlImage(XmlElement* element) {
  if (!CStrokeBase::FromXml(element)) return FALSE;
  const char* href = XmlAttributeText(element, "xlink:href");
  if (!href) return FALSE;
  BOOL loaded = LoadDataUrl(href) == kDataUrlLoaded;
  m_nX = ReadXmlDecimal(XmlAttributeText(element, "x"));
  m_nY = ReadXmlDecimal(XmlAttributeText(element, "y"));
  m_nWidth = ReadXmlDecimal(XmlAttributeText(element, "width"));
  m_nHeight = ReadXmlDecimal(XmlAttributeText(element, "height"));
  UpdateTracker();
  m_rcDraw = m_tracker.m_rect;
  return loaded;
}

BOOL CStrokeBitmap::LoadImageFromMemory(CString format, const BYTE* data, UINT size) {
  if (!LoadPicture(format, data, size)) return FALSE;
  UpdateTracker();
  return TRUE;
}
