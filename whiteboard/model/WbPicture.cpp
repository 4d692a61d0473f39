#include "whiteboard/model/WbPicture.h"

#include <climits>
#include <cstring>
#include <strings.h>
#include <vector>

#include "common/Codecs.h"
#include "common/ModuleLog.h"
#include "platform/gdi/Dc.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/WbXmlText.h"

namespace {

const char kDataUrlStart[] = "data:image/";
const char kDataUrlBase64[] = ";base64,";

// Decodes Base64 text into bytes (at most as many as the text has characters); FALSE when the
// text is not valid Base64.
BOOL DecodeBase64(const CString& text, std::vector<BYTE>* bytes) {
  bytes->resize(text.GetLength());
  DWORD length = 0;
  if (Base64Decode((const BYTE*)(LPCTSTR)text, text.GetLength(), bytes->data(), &length,
                   (DWORD)bytes->size()) != 0)
    return FALSE;
  bytes->resize(length);
  return TRUE;
}

int ClampToInt(long long value) { return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : (int)value; }

}  // namespace

BOOL CWbPicture::IsAcceptedFormat(const char* format) {
  if (!format) return FALSE;
  for (const char* word : {"jpeg", "jpg", "png", "bmp"})
    if (strcasecmp(format, word) == 0) return TRUE;
  return FALSE;
}

CString CWbPicture::MakeDataUrl(const CString& format, const CString& data) {
  // Joined, not formatted: the data is the whole picture file in Base64.
  CString url = kDataUrlStart;
  url += format;
  url += kDataUrlBase64;
  url += data;
  return url;
}

BOOL CWbPicture::PointInRect(RECT rect, int x, int y) {
  CRect r(rect);
  r.NormalizeRect();
  return r.PtInRect(CPoint(x, y));
}

CRect CWbPicture::PictureRect() const {
  return CRect(m_nX, m_nY, ClampToInt((long long)m_nX + m_nWidth), ClampToInt((long long)m_nY + m_nHeight));
}

int32_t CWbPicture::RecordSubOp(DWORD type) {
  if (type == WB_MSG_OBJECT_CHANGE) return 1;
  if (type == WB_MSG_OBJECT_DELETE) return 2;
  return 0;
}

BOOL CWbPicture::LoadHref(XmlElement* element) {
  return LoadDataUrl(XmlAttributeText(element, "xlink:href")) == kDataUrlLoaded;
}

BOOL CWbPicture::LoadPicture(const CString& format, const BYTE* data, UINT size) {
  if (!data || !IsAcceptedFormat(format)) return FALSE;
  if (!m_image.LoadFromMemory(data, size)) return FALSE;
  m_nWidth = (int)m_image.GetWidth();
  m_nHeight = (int)m_image.GetHeight();
  return TRUE;
}

CWbPicture::DataUrlResult CWbPicture::LoadDataUrl(const char* url) {
  const char* base64 = url && strncmp(url, kDataUrlStart, strlen(kDataUrlStart)) == 0
                           ? strstr(url + strlen(kDataUrlStart), kDataUrlBase64)
                           : nullptr;
  if (!base64) {
    ModuleLog("[ERROR]picture refused: no \"data:image/<format>;base64,\" data URL\n");
    return kDataUrlRefused;
  }
  const char* format = url + strlen(kDataUrlStart);
  m_csFormat = CString(format, (int)(base64 - format));
  m_csData = base64 + strlen(kDataUrlBase64);
  std::vector<BYTE> bytes;
  if (!DecodeBase64(m_csData, &bytes)) return kDataUrlNotLoaded;
  return LoadPicture(m_csFormat, bytes.data(), (UINT)bytes.size()) ? kDataUrlLoaded : kDataUrlNotLoaded;
}

char* CWbPicture::PrepareHref() {
  m_csHref = DataUrl();
  return m_csHref.GetBuffer();
}

CString CWbPicture::DocPageElement(const char* name, const char* id) const {
  CString xml;
  xml.Format("<%s id=\"%s\" xlink:href=\"", name, (LPCTSTR)EscapeXmlAttribute(id));
  return xml + EscapeXmlAttribute(DataUrl()) + "\"/>";
}

CString CWbPicture::ImageElement(const char* id, RECT rect) const {
  CRect r(rect);
  r.NormalizeRect();
  CString xml;
  xml.Format("<image id=\"%s\" x=\"%d\" y=\"%d\" width=\"%lld\" height=\"%lld\" xlink:href=\"",
             (LPCTSTR)EscapeXmlAttribute(id), (int)r.left, (int)r.top, (long long)r.right - r.left,
             (long long)r.bottom - r.top);
  return xml + EscapeXmlAttribute(DataUrl()) + "\"/>";
}

void CWbPicture::DrawStretched(CDC* dc, RECT rect) {
  if (!dc) return;
  CRect r(rect);
  r.NormalizeRect();
  m_image.Draw(dc, r.left, r.top, ClampToInt((long long)r.right - r.left), ClampToInt((long long)r.bottom - r.top), 0,
               0, (int)m_image.GetWidth(), (int)m_image.GetHeight());
}

BOOL CWbPicture::LoadAppPicture(const char* fileName) {
  if (!m_image.LoadFromFile(GetAppPath() + fileName)) return FALSE;
  m_nWidth = (int)m_image.GetWidth();
  m_nHeight = (int)m_image.GetHeight();
  return TRUE;
}
