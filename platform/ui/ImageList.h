// CImageList: a row of equally sized small pictures (tree and list icons). Each image keeps
// its pixels and which of them are transparent (the mask colour of Add). The handle is valid
// while the list exists; controls that were given it ask it for the image size.
#pragma once

#include "platform/Object.h"
#include "platform/ui/CommCtrl.h"

class CBitmap;
class CDC;

#define ILC_MASK 0x0001
#define ILC_COLOR 0x0000
#define ILC_COLOR8 0x0008
#define ILC_COLOR16 0x0010
#define ILC_COLOR24 0x0018
#define ILC_COLOR32 0x0020

#define ILD_NORMAL 0x0000
#define ILD_TRANSPARENT 0x0001

class CImageList : public CObject {
 public:
  CImageList() = default;
  ~CImageList() override;
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  // An empty list of cx x cy images; FALSE when the size is not positive or a list is held.
  BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
  // A list of cx-wide images cut from bitmap resource `bitmapId`, masked on `mask`.
  BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
  BOOL DeleteImageList();
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }
  operator HIMAGELIST() const { return m_hImageList; }
  // The list object behind a handle, or NULL for a handle that is not (or no longer) valid.
  static CImageList* FromHandle(HIMAGELIST handle);

  // Appends the bitmap cut into images of the list's width (a narrower rest is dropped); pixels
  // of colour `mask` are transparent when the list has ILC_MASK. The index of the first image
  // added, or -1.
  int Add(CBitmap* bitmap, COLORREF mask);
  int Add(CBitmap* bitmap, CBitmap* mask);
  // Removes one image, or every image with -1.
  BOOL Remove(int image);
  int GetImageCount() const;
  // The colour of pixel (x, y) of an image, CLR_INVALID where it is transparent or outside.
  COLORREF GetPixel(int image, int x, int y) const;
  // Draws an image's opaque pixels at `point` (logical coordinates of the DC).
  BOOL Draw(CDC* dc, int image, POINT point, UINT style);

  HIMAGELIST m_hImageList = nullptr;
};

// The image size of a valid list.
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
int ImageList_GetImageCount(HIMAGELIST list);
