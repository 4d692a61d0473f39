// CStrokeDocPage: the page background, a picture file that fills the page under every other
// object. Its id starts with "docpage:"; it is written as a `docpage` element and travels in
// page-background records. It is not a CStrokeBitmap.
#pragma once

#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/WbPicture.h"

class CStrokeDocPage : public CStrokeBase, public CWbPicture {
  DECLARE_DYNCREATE(CStrokeDocPage)

 public:
  // The largest background file accepted, in bytes.
  static constexpr long long kMaxFileSize = 1048576;

  CStrokeDocPage();

  // Only m_rcDraw = (x, y, x + width, y + height); the tracker is left as it is.
  BOOL UpdateTracker() override;
  // The whole picture stretched into m_rcDraw; rect is not used.
  void Draw(CDC* dc, LPRECT rect) override;
  BOOL HitTest(int x, int y) override;
  CString ToXml() override;
  BOOL FromXml(XmlElement* element) override;
  CString GetTypeName() override;
  // The page-background payload kept in the object: id, sub-op (1 for header type 8, 2 for 9,
  // else 0) and the data URL.
  void* GetObjectRecord(DWORD type, DWORD subCode) override;

  // Takes the picture of a received WbDocPagePayload; whether it loaded. A payload without a
  // valid data URL is refused and changes nothing.
  virtual BOOL ApplyRecord(const void* payload);

  BOOL LoadImageFromMemory(CString format, const BYTE* data, UINT size);
  // Loads a picture file as the background: at most kMaxFileSize bytes (a larger one is refused
  // with "请您选择小于1M的文件！") and of a format every reader accepts (else "不支持的文件格式！");
  // keeps its bytes in Base64 and its extension as the format word.
  BOOL LoadFromFile(CString path);

  WbDocPagePayload m_payload = {};

 private:
  // Reads the file into m_csData (Base64) and its extension into m_csFormat; FALSE, with the
  // message shown, for a file too large or of a refused format, and for one that cannot be read.
  BOOL ReadPictureFile(const CString& path, long long size);
};
