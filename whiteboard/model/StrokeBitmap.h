// CStrokeBitmap: a picture placed on the page (a screen capture or an inserted image). Its type
// word is "docpage", as for every picture object; its id starts with "image:". It is written
// to the page XML as a positioned `image` element and travels in picture records.
#pragma once

#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/WbPicture.h"

class CStrokeBitmap : public CStrokeBase, public CWbPicture {
  DECLARE_DYNCREATE(CStrokeBitmap)

 public:
  CStrokeBitmap();
  explicit CStrokeBitmap(IWbBoardChannel* owner);

  // Tracker = (x, y, x + width, y + height), dotted with handles outside.
  BOOL UpdateTracker() override;
  // The whole picture stretched into rect.
  void Draw(CDC* dc, LPRECT rect) override;
  BOOL HitTest(int x, int y) override;
  // Ops 1 (geometry: x, y, width, height of the tracker, no picture), 7 and 8 (to front, to
  // back); a picture payload of object type 7.
  WbMsgHeader* BuildWbMessage(int op, BYTE headerKind, void** ppPayload, WbStyleRecord** ppStyle,
                              WbPageOpRecord** ppPageOp, WbListNode** ppNode, DWORD page, DWORD headerValue,
                              void** ppExtra) override;
  // The short `docpage` element form (the page writes the positioned form, ToXmlImage).
  CString ToXml() override;
  BOOL FromXml(XmlElement* element) override;
  CString GetTypeName() override;
  // The picture payload kept in the object: id, sub-op (1 for header type 8, 2 for 9, else 0)
  // and the data URL; no geometry.
  void* GetObjectRecord(DWORD type, DWORD subCode) override;

  // Takes the picture of a received WbImagePayload (its data URL) and its x and y, and, when
  // the picture loaded, its width and height. Whether the picture loaded; a payload without a
  // valid data URL is refused and changes nothing.
  virtual BOOL ApplyRecord(const void* payload);
  virtual BOOL IsNonZero(DWORD value);
  // The positioned `image` element.
  virtual CString ToXmlImage();
  // Reads the positioned `image` element; its size wins over the picture's own.
  virtual BOOL FromXmlImage(XmlElement* element);

  // Loads size bytes of a picture in format ("jpeg", "jpg", "png", "bmp", any case) and takes
  // its size; FALSE for NULL data, another format or bytes that do not decode.
  BOOL LoadImageFromMemory(CString format, const BYTE* data, UINT size);

  // A fresh id of a picture: "image:" and a unique part.
  void MakeImageId() { SetKindId("image"); }

  WbImagePayload m_payload = {};

 protected:
  // The tracker set to the picture rectangle with style and handle size, and m_rcDraw to it.
  void PlaceTracker(UINT style, int handleSize);
  // m_szID = kind + ":" + a fresh unique part, at most 47 characters.
  void SetKindId(const char* kind);
};
