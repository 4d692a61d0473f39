#include "whiteboard/model/StrokeText.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/Codecs.h"
#include "common/ModuleLog.h"
#include "platform/gdi/Dc.h"
#include "platform/Mbcs.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbXmlText.h"
#include "xml/XmlTree.h"

IMPLEMENT_DYNCREATE(CStrokeText, CStrokeBase)

namespace {

constexpr UINT kDrawFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_EDITCONTROL;
// Underline and strike-out word of the font record.
enum { kUnderline = 1, kStrikeOut = 2 };

// The text of a fixed field that may lack its terminating zero.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// At most max bytes of text, ending on a whole character: neither a double-byte character cut
// in two nor a lone lead byte at the end.
std::string WholeCharacters(const std::string& text, size_t max) {
  size_t cut = mbcs::SafeCut(text.data(), text.size(), max);
  size_t last = 0;
  for (size_t i = 0; i < cut; i += mbcs::CharLength(text.data(), cut, i)) last = i;
  if (cut > 0 && cut - last == 1 && mbcs::IsLeadByte((unsigned char)text[last])) --cut;
  return text.substr(0, cut);
}

// The most of a face name a text keeps: what the face field of its record carries.
constexpr size_t kFaceBytes = WB_FACE_LEN - 1;

// The face name of a LOGFONT as a string of at most kFaceBytes whole characters.
std::string FaceOf(const LOGFONT& log) {
  return WholeCharacters(std::string(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE)), kFaceBytes);
}

void SetFace(LOGFONT* log, const std::string& face) {
  std::string kept = WholeCharacters(face.substr(0, strnlen(face.c_str(), face.size())), kFaceBytes);
  memset(log->lfFaceName, 0, sizeof(log->lfFaceName));
  memcpy(log->lfFaceName, kept.data(), kept.size());
}

CString Base64Of(const std::string& bytes) {
  std::vector<BYTE> out(4 * ((bytes.size() + 2) / 3) + 4);
  DWORD length = 0;
  if (drm_Base64Encode((const BYTE*)bytes.data(), (int)bytes.size(), out.data(), &length) != 0) return CString();
  return CString((const char*)out.data(), (int)length);
}

// Decodes Base64 text, blanks and line breaks ignored; FALSE for text that is not Base64.
BOOL DecodeBase64(const char* text, std::string* bytes) {
  std::string compact;
  for (const char* p = text; *p; ++p)
    if (!isspace((unsigned char)*p)) compact += *p;
  std::vector<BYTE> out(compact.size() / 4 * 3 + 3);
  DWORD length = 0;
  if (Base64Decode((const BYTE*)compact.data(), (int)compact.size(), out.data(), &length, (DWORD)out.size()) != 0)
    return FALSE;
  bytes->assign((const char*)out.data(), length);
  return TRUE;
}

// The value of key in a style attribute: the text after it up to the next ";" or the end.
BOOL StyleValue(const char* style, const char* key, std::string* value) {
  const char* at = strstr(style, key);
  if (!at) return FALSE;
  at += strlen(key);
  value->assign(at, strcspn(at, ";"));
  return TRUE;
}

// A decimal integer at text (blanks first), clamped to the int range; NULL when there is none,
// else the first character after it.
const char* ParseInteger(const char* text, int* value) {
  char* end = nullptr;
  long long v = strtoll(text, &end, 10);
  if (end == text) return nullptr;
  *value = (int)std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, v));
  return end;
}

LONG ClampedSum(LONG a, LONG b) {
  return (LONG)std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, (long long)a + b));
}

int RecordSubOp(DWORD type) {
  switch (type) {
    case WB_MSG_OBJECT_ADD: return 0;
    case WB_MSG_OBJECT_CHANGE: return 1;
    case WB_MSG_OBJECT_DELETE: return 2;
    default: return -1;
  }
}

}  // namespace

CStrokeText::CStrokeText() { SetDefaultFont(); }

CStrokeText::CStrokeText(IWbBoardChannel* owner) : CStrokeBase(owner) { SetDefaultFont(); }

void CStrokeText::SetDefaultFont() {
  m_logFont = LOGFONT{};
  m_logFont.lfHeight = -12;
  m_logFont.lfWeight = FW_NORMAL;
  m_logFont.lfCharSet = GB2312_CHARSET;
  m_logFont.lfPitchAndFamily = VARIABLE_PITCH;
  SetFace(&m_logFont, "宋体");
}

void CStrokeText::SetFont(const LOGFONT& font) {
  m_logFont = font;
  SetFace(&m_logFont, FaceOf(font));
}

BOOL CStrokeText::UpdateTracker() {
  SetTrackerRect(m_rcDraw);
  return TRUE;
}

void CStrokeText::Draw(CDC* dc, LPRECT rect) {
  if (!dc || !rect) return;
  CFont font;
  if (!font.CreateFontIndirect(&m_logFont)) return;
  CFont* previous = dc->SelectObject(&font);
  dc->SetTextColor(m_crColor);
  dc->SetBkMode(TRANSPARENT);
  CRect box = m_tracker.m_rect;
  dc->DrawTextEx(const_cast<LPTSTR>((LPCTSTR)m_csText), m_csText.GetLength(), &box, kDrawFormat, nullptr);
  if (previous) dc->SelectObject(previous);
}

BOOL CStrokeText::HitTest(int x, int y) { return m_tracker.m_rect.PtInRect(CPoint(x, y)); }

WbMsgHeader* CStrokeText::BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                                         WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page,
                                         DWORD headerValue, void** ppExtra) {
  if (!ChangeOutputsGiven(ppPayload, ppStyle, ppPageOp, ppNode, ppExtra, FALSE)) return nullptr;
  if (op != WB_CHANGE_TO_FRONT && op != WB_CHANGE_TO_BACK) return nullptr;
  WbTextPayload* payload = NewWbTextPayload();
  *ppPayload = payload;
  if (!payload) return nullptr;
  FillPayloadHead(&payload->head, WB_OBJ_TEXT, op);
  return FinishChangeMessage(headerKind, payload, page, headerValue, ppPageOp, ppNode);
}

BOOL CStrokeText::FromXml(XmlElement* element) {
  if (!CStrokeBase::FromXml(element)) return FALSE;
  if (const char* style = XmlAttributeText(element, "style")) ReadFontStyle(style);
  std::string text;
  const char* content = XmlElementText(element);
  m_csText = content && DecodeBase64(content, &text) ? CString(text.c_str()) : CString();
  return TRUE;
}

void CStrokeText::ReadFontStyle(const char* style) {
  std::string value;
  int number = 0;
  if (StyleValue(style, "font-size:", &value)) {
    const char* rest = ParseInteger(value.c_str(), &number);
    if (rest) m_logFont.lfHeight = number;
    if (rest && *rest == ',' && ParseInteger(rest + 1, &number)) m_logFont.lfWidth = number;
  }
  std::string face;
  // The face is bounded by the record's field: at most 20 bytes, whole characters only.
  if (StyleValue(style, "font-family:", &value) && DecodeBase64(value.c_str(), &face)) SetFace(&m_logFont, face);
  struct ByteKey {
    const char* key;
    BYTE* field;
  };
  for (const ByteKey& k : {ByteKey{"char-set:", &m_logFont.lfCharSet}, ByteKey{"italic:", &m_logFont.lfItalic},
                           ByteKey{"strokeout:", &m_logFont.lfStrikeOut},
                           ByteKey{"underline:", &m_logFont.lfUnderline}})
    if (StyleValue(style, k.key, &value)) *k.field = (BYTE)ReadXmlDecimal(value.c_str());
  if (StyleValue(style, "weight:", &value)) m_logFont.lfWeight = ReadXmlDecimal(value.c_str());
}

CString CStrokeText::GetStyleExtra() {
  CString extra;
  extra.Format(";font-size:%d,%d;font-family:%s;char-set:%d;weight:%d;italic:%d;strokeout:%d;underline:%d",
               (int)m_logFont.lfHeight, (int)m_logFont.lfWidth, (LPCTSTR)Base64Of(FaceOf(m_logFont)),
               (int)m_logFont.lfCharSet, (int)m_logFont.lfWeight, (int)m_logFont.lfItalic,
               (int)m_logFont.lfStrikeOut, (int)m_logFont.lfUnderline);
  return extra;
}

CString CStrokeText::GetContent() { return m_csText; }

CString CStrokeText::GetTypeName() { return "text"; }

void* CStrokeText::GetObjectRecord(DWORD type, DWORD subCode) {
  static WbTextPayload payload;
  memset(&payload, 0, sizeof(payload));
  payload.head.nObjType = WB_OBJ_TEXT;
  SetWbText(payload.head.szID, m_szID);
  payload.head.nSubOp = RecordSubOp(type);
  const CRect& r = m_tracker.m_rect;
  SetWbNumber(payload.szX, r.left);
  SetWbNumber(payload.szY, r.top);
  SetWbNumber(payload.szWidth, (long long)r.right - r.left);
  SetWbNumber(payload.szHeight, (long long)r.bottom - r.top);
  payload.pszText = const_cast<char*>((LPCTSTR)m_csText);
  payload.pStyle = GetFontRecord(type, subCode);
  return &payload;
}

WbStyleRecord* CStrokeText::GetFontRecord(DWORD type, DWORD subCode) {
  WbStyleRecord* style = OpRecordStyle();
  memset(style, 0, sizeof(*style));
  SetWbColor(style->szFillColor, m_crColor);
  style->nPenWidth = -1;
  style->fReserved = -1.0f;
  style->nFontSize = (int32_t)(((DWORD)m_logFont.lfHeight & 0xFFFFu) << 16 | ((DWORD)m_logFont.lfWidth & 0xFFFFu));
  SetWbText(style->szFaceName, FaceOf(m_logFont).c_str());
  style->nWeight = m_logFont.lfWeight;
  style->nItalic = m_logFont.lfItalic;
  style->nUnderlineStrike = (m_logFont.lfStrikeOut == 1 ? kStrikeOut : 0) | (m_logFont.lfUnderline == 1 ? kUnderline : 0);
  return style;
}

BOOL CStrokeText::ApplyRecord(const void* payload) {
  const WbTextPayload* record = static_cast<const WbTextPayload*>(payload);
  if (!record || !record->pszText || !record->szX[0] || !record->szY[0] || !record->szWidth[0] ||
      !record->szHeight[0])
    return FALSE;
  const WbStyleRecord* font = record->pStyle;
  if (!font) {
    ModuleLog("[ERROR]CStrokeText::ApplyRecord(the text record has no font record)\n");
    return FALSE;
  }
  m_csText = record->pszText;
  SetWbText(m_szID, FieldText(record->head.szID).c_str());
  LONG x = ReadXmlDecimal(FieldText(record->szX).c_str()), y = ReadXmlDecimal(FieldText(record->szY).c_str());
  CRect rect(x, y, ClampedSum(x, ReadXmlDecimal(FieldText(record->szWidth).c_str())),
             ClampedSum(y, ReadXmlDecimal(FieldText(record->szHeight).c_str())));
  rect.NormalizeRect();
  m_rcDraw = rect;
  UpdateTracker();
  ApplyFontRecord(*font);
  return TRUE;
}

void CStrokeText::ApplyFontRecord(const WbStyleRecord& font) {
  m_crColor = (COLORREF)ReadXmlDecimal(FieldText(font.szFillColor).c_str());
  DWORD size = (DWORD)font.nFontSize;
  m_logFont.lfWidth = (int16_t)(size & 0xFFFFu);
  m_logFont.lfHeight = (int16_t)(size >> 16);
  // The face field holds 20 bytes and its zero: nothing is read past it.
  SetFace(&m_logFont, FieldText(font.szFaceName));
  m_logFont.lfWeight = font.nWeight;
  m_logFont.lfItalic = (BYTE)font.nItalic;
  m_logFont.lfCharSet = GB2312_CHARSET;
  int32_t marks = font.nUnderlineStrike;
  m_logFont.lfStrikeOut = marks == 3 || marks == 2;
  m_logFont.lfUnderline = marks == 3 || marks == 1;
}
