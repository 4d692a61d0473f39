// CWbPicture: what the picture objects share. Each holds its picture twice: decoded in an image
// holder for drawing, and as a format word and the Base64 text of the picture file's bytes for
// the page XML and the records, where both travel as the data URL
// "data:image/<format>;base64,<data>".
#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"
#include "platform/Win32Types.h"
#include "protocol/WbRecords.h"
#include "whiteboard/model/GdipImage.h"
#include "whiteboard/model/WbBlocks.h"

class CDC;
struct XmlElement;

class CWbPicture {
 public:
  // The format words that every reader of pictures accepts: "jpeg", "jpg", "png" and "bmp",
  // in any case. NULL is not one.
  static BOOL IsAcceptedFormat(const char* format);
  static CString MakeDataUrl(const CString& format, const CString& data);
  // Whether (x, y) lies inside rect taken normalised, right and bottom edges outside, as for
  // a rectangular region.
  static BOOL PointInRect(RECT rect, int x, int y);

  CGdipImage m_image;
  int m_nWidth = 0;   // picture size in pixels, from the picture or from a record or XML
  int m_nHeight = 0;
  int m_nX = 10;      // top left in document coordinates
  int m_nY = 10;
  BOOL m_bPositioned = TRUE;  // written as a positioned `image` element
  CString m_csFormat;  // format word
  CString m_csData;    // the picture file's bytes in Base64
  CString m_csHref;    // the data URL handed out with a record

 protected:
  enum DataUrlResult { kDataUrlRefused, kDataUrlNotLoaded, kDataUrlLoaded };

  // The picture rectangle (x, y, x + width, y + height), its far edges kept in the int range.
  CRect PictureRect() const;
  // The sub-op of a picture record built for header type `type`: 1 when the object changed
  // (8), 2 when it was deleted (9), else 0.
  static int32_t RecordSubOp(DWORD type);
  // Decodes size bytes of a picture in `format` into the holder and takes its size; FALSE for
  // NULL data, a format word no reader accepts, or bytes that do not decode.
  BOOL LoadPicture(const CString& format, const BYTE* data, UINT size);
  // Takes the format word and the data from a data URL, then decodes and loads the picture.
  // Text that is not "data:image/<format>;base64,<data>" (NULL included) is refused with a
  // log line and changes nothing.
  DataUrlResult LoadDataUrl(const char* url);
  // Loads the picture of the element's "xlink:href" data URL; whether it loaded.
  BOOL LoadHref(XmlElement* element);
  // The picture record kept in the object, filled for header type `type`: object type, id,
  // sub-op (RecordSubOp) and the data URL; no geometry.
  template <class Payload>
  void* FillRecord(Payload* record, int32_t objType, const char* id, DWORD type) {
    *record = Payload{};
    record->head.nObjType = objType;
    SetWbText(record->head.szID, id);
    record->head.nSubOp = RecordSubOp(type);
    record->pszData = PrepareHref();
    return record;
  }
  // The data URL of the held format and data.
  CString DataUrl() const { return MakeDataUrl(m_csFormat, m_csData); }
  // m_csHref set to the data URL; its text, which stays valid until m_csHref changes.
  char* PrepareHref();
  // The short element form: <name id="..." xlink:href="data URL"/>.
  CString DocPageElement(const char* name, const char* id) const;
  // The positioned element form: <image id x y width height xlink:href/>, the geometry from
  // rect normalised.
  CString ImageElement(const char* id, RECT rect) const;
  // Draws the whole picture stretched into rect, normalised; nothing for a NULL dc.
  void DrawStretched(CDC* dc, RECT rect);
  // Loads a picture file of the application's folder into the holder and takes its size.
  BOOL LoadAppPicture(const char* fileName);
};
