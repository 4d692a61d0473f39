#include "platform/ui/ImageList.h"

#include <set>
#include <vector>

#include "platform/gdi/BitmapResources.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/GdiObjects.h"

struct _IMAGELIST {
  struct Image {
    std::vector<uint32_t> pixels;  // cx * cy pixels, 0 where transparent
    std::vector<bool> opaque;
  };
  CImageList* owner = nullptr;
  int cx = 0, cy = 0;
  UINT flags = 0;
  std::vector<Image> images;
};

namespace {

std::set<HIMAGELIST>& Live() {
  static auto* live = new std::set<HIMAGELIST>;
  return *live;
}

HIMAGELIST Valid(HIMAGELIST list) { return list && Live().count(list) ? list : nullptr; }

// Cuts `bitmap` into images; `isClear(x, y, pixel)` tells the transparent pixels.
template <class Clear>
int AddCut(HIMAGELIST list, CBitmap* bitmap, Clear isClear) {
  if (!list || !bitmap || !bitmap->GetSafeHandle()) return -1;
  gdi::Raster r = bitmap->Surface().Pixels();
  if (!r.Valid() || r.height < list->cy) return -1;
  int first = (int)list->images.size();
  for (int left = 0; left + list->cx <= r.width; left += list->cx) {
    _IMAGELIST::Image image;
    for (int y = 0; y < list->cy; ++y) {
      for (int x = 0; x < list->cx; ++x) {
        uint32_t p = r.At(left + x, y) | 0xFF000000u;
        bool clear = (list->flags & ILC_MASK) && isClear(left + x, y, p);
        image.pixels.push_back(clear ? 0 : p);
        image.opaque.push_back(!clear);
      }
    }
    list->images.push_back(std::move(image));
  }
  return (int)list->images.size() > first ? first : -1;
}

}  // namespace

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT flags, int, int) {
  if (m_hImageList || cx <= 0 || cy <= 0) return FALSE;
  m_hImageList = new _IMAGELIST;
  m_hImageList->owner = this;
  m_hImageList->cx = cx;
  m_hImageList->cy = cy;
  m_hImageList->flags = flags;
  Live().insert(m_hImageList);
  return TRUE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
  CBitmap bitmap;
  if (!bitmap.LoadBitmap(bitmapId)) return FALSE;
  if (!Create(cx, bitmap.GetSize().cy, ILC_COLOR32 | ILC_MASK, 0, grow)) return FALSE;
  Add(&bitmap, mask);
  return TRUE;
}

BOOL CImageList::DeleteImageList() {
  if (!m_hImageList) return FALSE;
  Live().erase(m_hImageList);
  delete m_hImageList;
  m_hImageList = nullptr;
  return TRUE;
}

CImageList* CImageList::FromHandle(HIMAGELIST handle) {
  HIMAGELIST list = Valid(handle);
  return list ? list->owner : nullptr;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
  uint32_t clear = gdi::ToPixel(mask);
  return AddCut(m_hImageList, bitmap, [clear](int, int, uint32_t p) { return p == clear; });
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask) {
  if (!mask || !mask->GetSafeHandle()) return AddCut(m_hImageList, bitmap, [](int, int, uint32_t) { return false; });
  gdi::Raster m = mask->Surface().Pixels();
  // White mask pixels are transparent, as in a monochrome GDI mask.
  return AddCut(m_hImageList, bitmap, [m](int x, int y, uint32_t) {
    return m.Inside(x, y) && (m.At(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
  });
}

BOOL CImageList::Remove(int image) {
  if (!m_hImageList) return FALSE;
  auto& images = m_hImageList->images;
  if (image == -1) {
    images.clear();
    return TRUE;
  }
  if (image < 0 || image >= (int)images.size()) return FALSE;
  images.erase(images.begin() + image);
  return TRUE;
}

int CImageList::GetImageCount() const { return m_hImageList ? (int)m_hImageList->images.size() : 0; }

COLORREF CImageList::GetPixel(int image, int x, int y) const {
  if (!m_hImageList || image < 0 || image >= GetImageCount()) return CLR_INVALID;
  if (x < 0 || y < 0 || x >= m_hImageList->cx || y >= m_hImageList->cy) return CLR_INVALID;
  const auto& img = m_hImageList->images[image];
  size_t at = (size_t)y * m_hImageList->cx + x;
  return img.opaque[at] ? gdi::ToColorRef(img.pixels[at]) : CLR_INVALID;
}

BOOL CImageList::Draw(CDC* dc, int image, POINT point, UINT) {
  if (!dc || !m_hImageList || image < 0 || image >= GetImageCount()) return FALSE;
  for (int y = 0; y < m_hImageList->cy; ++y)
    for (int x = 0; x < m_hImageList->cx; ++x) {
      COLORREF c = GetPixel(image, x, y);
      if (c != CLR_INVALID) dc->SetPixel(point.x + x, point.y + y, c);
    }
  return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* cx, int* cy) {
  HIMAGELIST list = Valid(handle);
  if (!list) return FALSE;
  if (cx) *cx = list->cx;
  if (cy) *cy = list->cy;
  return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST handle) {
  HIMAGELIST list = Valid(handle);
  return list ? (int)list->images.size() : 0;
}
