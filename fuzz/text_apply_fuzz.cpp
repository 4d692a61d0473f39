// Feeds received text payloads to CStrokeText::ApplyRecord: the payload's and the font
// record's bytes come from the input (their fixed fields need not be terminated), the text
// after them. A first byte picks which pointers are present. An applied text is then written
// to XML, read back, and drawn into a small canvas.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/gdi/Dc.h"
#include "whiteboard/model/StrokeText.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

void RoundTrip(CStrokeText& text) {
  XmlElement* element = XmlLoadString(text.ToXml());
  CStrokeText read;
  if (element && !read.FromXml(element)) __builtin_trap();
  XmlFreeTree(element);
}

void Draw(CStrokeText& text) {
  static CDC dc;
  static CBitmap bitmap;
  if (!bitmap.GetSafeHandle()) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, 64, 48);
    dc.SelectObject(&bitmap);
  }
  // Keep drawing cheap: the fuzzer is after the record's fields, not glyph sizes.
  if (text.m_logFont.lfHeight < -64 || text.m_logFont.lfHeight > 64) text.m_logFont.lfHeight = -12;
  CRect rect = text.m_tracker.m_rect;
  text.Draw(&dc, &rect);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 + sizeof(WbTextPayload) + sizeof(WbStyleRecord)) return 0;
  uint8_t flags = data[0];
  WbTextPayload payload;
  WbStyleRecord font;
  memcpy(&payload, data + 1, sizeof(payload));
  memcpy(&font, data + 1 + sizeof(payload), sizeof(font));
  size_t used = 1 + sizeof(payload) + sizeof(font);
  std::string text(reinterpret_cast<const char*>(data + used), size - used);
  payload.pszText = flags & 1 ? nullptr : &text[0];
  payload.pStyle = flags & 2 ? nullptr : &font;
  CStrokeText stroke;
  if (!stroke.ApplyRecord(&payload)) return 0;
  if (stroke.m_logFont.lfFaceName[LF_FACESIZE - 1] != '\0') __builtin_trap();
  RoundTrip(stroke);
  if (flags & 4) Draw(stroke);
  return 0;
}
