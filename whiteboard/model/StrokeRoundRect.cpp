#include "whiteboard/model/StrokeRoundRect.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/Dc.h"
#include "whiteboard/model/ShapeDrawing.h"
#include "whiteboard/model/WbXmlText.h"

IMPLEMENT_DYNCREATE(CStrokeRoundRect, CStrokeBase)

void CStrokeRoundRect::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  const COLORREF black = RGB(0, 0, 0);
  ScopedFill fill(dc, &black, m_crColor);
  dc->RoundRect(rect->left, rect->top, rect->right, rect->bottom, m_nRx, m_nRy);
  m_rcDraw = m_tracker.m_rect;
}

CString CStrokeRoundRect::ToXml() {
  // The generic element with the corners put before the style; an escaped id holds no quote,
  // so the first ` style="` is the attribute.
  CString xml = CStrokeBase::ToXml();
  int at = xml.Find(" style=\"");
  CString corners;
  corners.Format(" rx=\"%d\" ry=\"%d\"", m_nRx, m_nRy);
  xml.Insert(at, corners);
  return xml;
}

BOOL CStrokeRoundRect::FromXml(XmlElement* element) {
  if (!CStrokeBase::FromXml(element)) return FALSE;
  m_nRx = ReadXmlDecimal(XmlAttributeText(element, "rx"));
  m_nRy = ReadXmlDecimal(XmlAttributeText(element, "ry"));
  return TRUE;
}

void CStrokeRoundRect::SetCorner(LPCRECT rect) {
  if (!rect) return;
  long long width = std::llabs((long long)rect->right - rect->left);
  long long height = std::llabs((long long)rect->bottom - rect->top);
  m_nRx = m_nRy = (int)(std::min(width, height) / 4);
}
