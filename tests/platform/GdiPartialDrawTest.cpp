// Figures drawn under a small clip, one rectangle or several apart (the strips of a selection
// frame), light exactly the pixels of a drawing of the whole figure, and nothing outside the
// clip: the first time, when a cut figure is built whole and kept, and the times after, when
// what was kept is only cut again.
#include <gtest/gtest.h>

#include <functional>

#include "platform/gdi/Rgn.h"
#include "tests/platform/GdiCanvas.h"

namespace {

const int kW = 320, kH = 240;

class Sequence {
 public:
  explicit Sequence(unsigned seed) : seed_(seed) {}
  int Next(int n) { return (int)((seed_ = seed_ * 1103515245u + 12345u) >> 8) % n; }

 private:
  unsigned seed_;
};

// One figure of a random kind, pen and brush in `box`, drawn into a DC.
std::function<void(CDC&)> RandomFigure(Sequence& next, CRect* where) {
  CRect box(CPoint(next.Next(kW), next.Next(kH)), CSize(4 + next.Next(120), 4 + next.Next(100)));
  *where = box;
  int kind = next.Next(5), penWidth = next.Next(4) == 0 ? 0 : 1 + next.Next(9), corner = 4 + next.Next(40);
  bool brush = next.Next(2) == 0;
  COLORREF color = RGB(next.Next(256), next.Next(256), 40);
  return [=](CDC& dc) {
    CPen pen(penWidth ? PS_SOLID : PS_NULL, penWidth, kBlack);
    CBrush fill(color);
    int saved = dc.SaveDC();
    dc.SelectObject(&pen);
    if (brush)
      dc.SelectObject(&fill);
    else
      dc.SelectStockObject(NULL_BRUSH);
    POINT corners[3] = {{box.left, box.bottom}, {box.CenterPoint().x, box.top}, {box.right, box.bottom}};
    switch (kind) {
      case 0: dc.Rectangle(&box); break;
      case 1: dc.Ellipse(&box); break;
      case 2: dc.RoundRect(box.left, box.top, box.right, box.bottom, corner, corner); break;
      case 3:
        dc.BeginPath();
        dc.Polygon(corners, 3);
        dc.EndPath();
        dc.FillPath();
        break;
      default:
        dc.MoveTo(box.TopLeft());
        dc.LineTo(box.BottomRight());
    }
    dc.RestoreDC(saved);
  };
}

// A small rectangle somewhere, or the four strips of a frame around a box (a region of several
// rectangles).
void RandomClip(Sequence& next, CRgn* clip) {
  CRect box(CPoint(next.Next(kW), next.Next(kH)), CSize(20 + next.Next(120), 20 + next.Next(100)));
  if (next.Next(2) == 0) {
    clip->CreateRectRgn(box.left, box.top, box.left + 3 + next.Next(12), box.top + 3 + next.Next(12));
    return;
  }
  const int t = 5;
  const CRect strips[] = {CRect(box.left - t, box.top - t, box.right + t, box.top),
                          CRect(box.left - t, box.top, box.left, box.bottom),
                          CRect(box.right, box.top, box.right + t, box.bottom),
                          CRect(box.left - t, box.bottom, box.right + t, box.bottom + t)};
  clip->CreateRectRgnIndirect(&strips[0]);
  for (int i = 1; i < 4; ++i) {
    CRgn strip;
    strip.CreateRectRgnIndirect(&strips[i]);
    clip->CombineRgn(clip, &strip, RGN_OR);
  }
}

TEST(GdiPartialDraw, FiguresUnderSmallClipsLightThePixelsOfWholeOnes) {
  Sequence next(2024);
  GdiCanvas whole(kW, kH), part(kW, kH);
  int wrong = 0, outside = 0, compared = 0;
  for (int i = 0; i < 200; ++i) {
    CRect box;
    std::function<void(CDC&)> figure = RandomFigure(next, &box);
    whole.dc.FillSolidRect(0, 0, kW, kH, kWhite);
    figure(whole.dc);
    box.InflateRect(8, 8);  // what a figure lights lies within its box grown by its pen
    // Two clips, each meeting the figure: what the first keeps must serve the second.
    for (int pass = 0; pass < 2; ++pass) {
      CRgn clip;
      CRect clipBox, seen;
      do {
        clip.DeleteObject();
        RandomClip(next, &clip);
        clip.GetRgnBox(&clipBox);
      } while (!seen.IntersectRect(&box, &clipBox));
      seen.UnionRect(&box, &clipBox);
      seen.IntersectRect(&seen, CRect(0, 0, kW, kH));
      part.dc.SelectClipRgn(nullptr);
      part.dc.FillSolidRect(0, 0, kW, kH, kBlack);
      CBrush white(kWhite);
      part.dc.FillRgn(&clip, &white);
      part.dc.SelectClipRgn(&clip);
      figure(part.dc);
      part.dc.SelectClipRgn(nullptr);  // GetPixel answers only inside the clip
      for (int y = seen.top; y < seen.bottom; ++y)
        for (int x = seen.left; x < seen.right; ++x) {
          if (!clip.PtInRegion(x, y)) {
            outside += part.At(x, y) != kBlack;
            continue;
          }
          ++compared;
          wrong += part.At(x, y) != whole.At(x, y);
        }
    }
  }
  EXPECT_EQ(0, wrong);
  EXPECT_EQ(0, outside);
  EXPECT_GT(compared, 20000);
}

}  // namespace
