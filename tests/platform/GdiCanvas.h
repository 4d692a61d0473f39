// A white memory canvas for the drawing tests, with helpers to read its pixels back.
#pragma once

#include <vector>

#include "platform/gdi/Dc.h"

struct GdiCanvas {
  CBitmap bitmap;
  CDC dc;

  GdiCanvas(int width, int height) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    dc.SelectObject(&bitmap);
  }
  COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
  // Every pixel, row by row, in device coordinates.
  std::vector<COLORREF> Snapshot() const {
    std::vector<COLORREF> all;
    CSize size = bitmap.GetSize();
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) all.push_back(bitmap.Surface().GetPixel(x, y));
    return all;
  }
  // Paints a pattern of distinct colours so raster operations have something to combine with.
  void Stripes() {
    CSize size = bitmap.GetSize();
    for (int x = 0; x < size.cx; x += 4)
      dc.FillSolidRect(x, 0, 4, size.cy, RGB((x * 37) & 0xFF, (x * 11 + 90) & 0xFF, (x * 5 + 200) & 0xFF));
  }
};

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
