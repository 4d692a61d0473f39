#include "whiteboard/model/StrokeDocPage.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "common/Codecs.h"
#include "platform/Files.h"
#include "platform/ui/MessageBox.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/WbXmlText.h"

IMPLEMENT_DYNCREATE(CStrokeDocPage, CStrokeBase)

namespace {

const char kTooLargeText[] = "请您选择小于1M的文件！";
const char kFormatText[] = "不支持的文件格式！";

CString Base64Of(const std::string& bytes) {
  std::vector<BYTE> text((bytes.size() + 2) / 3 * 4 + 1);
  DWORD length = 0;
  drm_Base64Encode((const BYTE*)bytes.data(), (int)bytes.size(), text.data(), &length);
  return CString((const char*)text.data(), (int)length);
}

// The extension of the path's file name without its dot; "" when it has none.
CString FileExtension(const CString& path) {
  const char* text = path;
  const char* name = text;
  for (const char* p = text; *p; ++p)
    if (*p == '\\' || *p == '/') name = p + 1;
  const char* dot = strrchr(name, '.');
  return dot ? CString(dot + 1) : CString();
}

}  // namespace

CStrokeDocPage::CStrokeDocPage() = default;

BOOL CStrokeDocPage::UpdateTracker() {
  m_rcDraw = PictureRect();
  return TRUE;
}

void CStrokeDocPage::Draw(CDC* dc, LPRECT rect) { DrawStretched(dc, m_rcDraw); }

BOOL CStrokeDocPage::HitTest(int x, int y) {
  m_bSelected = PointInRect(m_tracker.m_rect, x, y);
  return m_bSelected;
}

CString CStrokeDocPage::ToXml() { return DocPageElement(GetTypeName(), m_szID); }

BOOL CStrokeDocPage::FromXml(XmlElement* element) {
  if (!CStrokeBase::FromXml(element) || !LoadHref(element)) return FALSE;
  UpdateTracker();
  return TRUE;
}

CString CStrokeDocPage::GetTypeName() { return "docpage"; }

void* CStrokeDocPage::GetObjectRecord(DWORD type, DWORD subCode) {
  return FillRecord(&m_payload, WB_OBJ_DOCPAGE, m_szID, type);
}

BOOL CStrokeDocPage::ApplyRecord(const void* payload) {
  const WbDocPagePayload* record = static_cast<const WbDocPagePayload*>(payload);
  if (!record || LoadDataUrl(record->pszData) != kDataUrlLoaded) return FALSE;
  UpdateTracker();
  return TRUE;
}

BOOL CStrokeDocPage::LoadImageFromMemory(CString format, const BYTE* data, UINT size) {
  if (!LoadPicture(format, data, size)) return FALSE;
  UpdateTracker();
  return TRUE;
}

BOOL CStrokeDocPage::ReadPictureFile(const CString& path, long long size) {
  if (size > kMaxFileSize) {
    MessageBox(nullptr, kTooLargeText, GetMsgTitle(), MB_OK);
    return FALSE;
  }
  // Peers decode only the accepted formats: a background they would drop is not loaded here.
  CString format = FileExtension(path);
  if (!IsAcceptedFormat(format)) {
    MessageBox(nullptr, kFormatText, "Error", MB_OK);
    return FALSE;
  }
  // A file that grew since its size was checked, or a device, is still refused at the limit.
  std::string bytes;
  platform::ReadResult read = platform::ReadFileLimited(path, kMaxFileSize, &bytes);
  if (read == platform::ReadResult::kTooLarge) MessageBox(nullptr, kTooLargeText, GetMsgTitle(), MB_OK);
  if (read != platform::ReadResult::kDone) return FALSE;
  m_csData = Base64Of(bytes);
  m_csFormat = format;
  return TRUE;
}

BOOL CStrokeDocPage::LoadFromFile(CString path) {
  if (path.IsEmpty()) return FALSE;
  long long size = GetFileSizeOf(path);
  if (size >= 0) {
    if (!ReadPictureFile(path, size)) return FALSE;
  } else {
    m_csFormat.Empty();
    m_csData.Empty();
  }
  if (!m_image.LoadFromFile(path)) return FALSE;
  m_nWidth = (int)m_image.GetWidth();
  m_nHeight = (int)m_image.GetHeight();
  UpdateTracker();
  return TRUE;
}
