// CStrokeText: a block of text on the page, drawn word-wrapped inside its rectangle with its
// own font and colour. It is written to the page XML with its font in the style attribute and
// its text in Base64, and travels in text records (built through BuildOpRecord) that carry
// the font in a style record.
#pragma once

#include "platform/gdi/Font.h"
#include "whiteboard/model/StrokeBase.h"

class CStrokeText : public CStrokeBase {
  DECLARE_DYNCREATE(CStrokeText)

 public:
  CStrokeText();
  explicit CStrokeText(IWbBoardChannel* owner);

  // The tracker on m_rcDraw, with the shared style.
  BOOL UpdateTracker() override;
  // The text word-wrapped (tabs expanded, long words cut) inside the tracker rectangle, in the
  // object's font and colour on a transparent background; rect only has to be non-NULL.
  void Draw(CDC* dc, LPRECT rect) override;
  // Inside the tracker rectangle (right and bottom edges outside); m_bSelected is left as it is.
  BOOL HitTest(int x, int y) override;
  // Ops 7 (to front) and 8 (to back) only: a text payload with its head alone.
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override;
  // The base reader, then the font from the style keys and the text from the Base64 content.
  BOOL FromXml(XmlElement* element) override;
  // ";font-size:h,w;font-family:<Base64 of the face>;char-set:..;weight:..;italic:..;strokeout:..;underline:.."
  CString GetStyleExtra() override;
  CString GetContent() override;
  CString GetTypeName() override;
  // One static text payload (shared by every text object, refilled by each call): sub-op 0,
  // 1 or 2 for message types 7, 8 and 9, the geometry of the tracker, the text and the font.
  void* GetObjectRecord(DWORD type, DWORD subCode) override;
  // The style record of BuildOpRecord's shared block, filled with the colour and the font.
  WbStyleRecord* GetFontRecord(DWORD type, DWORD subCode) override;

  // Takes a received WbTextPayload: text, id, rectangle (normalised) and font. FALSE, and
  // nothing changed, for a NULL payload or text, an empty geometry field, or a missing font
  // record (logged).
  virtual BOOL ApplyRecord(const void* payload);

  // Takes a font chosen for the text (the font dialog, the surface's own font), its face cut
  // to what the text record carries (see m_logFont).
  void SetFont(const LOGFONT& font);

  CString m_csText;
  // The font. Its face holds at most the 20 bytes of the record's face field, whole
  // characters only, however it was set: the sender, its peers and the saved page agree.
  LOGFONT m_logFont;
  // A DrawText format kept with the text (DT_CENTER | DT_VCENTER | DT_SINGLELINE); the object's
  // own drawing does not use it.
  UINT m_nDrawFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

 private:
  void SetDefaultFont();
  // Reads the font keys of a style attribute value.
  void ReadFontStyle(const char* style);
  // Takes the font and colour of a received font record.
  void ApplyFontRecord(const WbStyleRecord& font);
};
