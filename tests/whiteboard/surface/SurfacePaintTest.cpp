// Painting only what was invalidated: the pixels are those of a repaint of everything, and
// what lies outside the update rectangle is not painted again.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"

namespace surftest {
namespace {

namespace user = platform::user;

class SurfacePaint : public SurfaceTest {
 protected:
  // Objects of many kinds, one of them selected (its tracker shows), seen scrolled.
  void DrawBoard() {
    const POINT spots[][2] = {{{20, 20}, {180, 90}}, {{60, 40}, {260, 160}}, {{200, 30}, {330, 120}},
                              {{40, 150}, {160, 260}}, {{250, 180}, {420, 300}}, {{300, 60}, {480, 220}}};
    const int tools[] = {kToolLine, kToolSolidRectangle, kToolEllipse, kToolRectangle, kToolCircle, kToolTriangle};
    for (int i = 0; i < 6; ++i) {
      UseTool(tools[i], i % 2 ? kRed : kBlue, 4);
      Drag(spots[i][0], spots[i][1]);
    }
    UseTool(kToolPen, 0x00AA00, 8);
    Drag({100, 300}, {380, 60});
    UseTool(kToolHand);
    Click({420, 40});
    UseTool(kToolText, kBlue);
    Drag({330, 250}, {470, 300});
    user::Type(Surface()->m_pEdit->m_hWnd, "partial paint");
    UseTool(kToolSelect);
    HWND surface = SurfaceWnd();
    OnceInModal(platform::ModalKind::Tracker, [surface](const platform::ModalState&) { user::MouseUp(surface, {120, 80}); });
    user::MouseDown(surface, {120, 80});
    user::MouseUp(surface, {120, 80});
    user::Scroll(surface, SB_HORZ, SB_LINERIGHT);
    user::Scroll(surface, SB_VERT, SB_LINEDOWN);
  }

  std::vector<COLORREF> Pixels() {
    CRect client;
    Surface()->GetClientRect(&client);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.Height(); ++y)
      for (int x = 0; x < client.Width(); ++x) pixels.push_back(Pixel(x, y));
    return pixels;
  }

  void PaintAll() {
    Surface()->Invalidate(FALSE);
    Paint();
  }

  // Fills the window's pixels black, as something drawn over it would.
  void Blacken() {
    CClientDC dc(Surface());
    CRect client;
    Surface()->GetClientRect(&client);
    dc.FillSolidRect(&client, 0);
  }

  // Each update rectangle, painted alone over black, holds the pixels of a repaint of
  // everything, and nothing outside it is painted.
  void ExpectPaintedAsFullRepaint(const std::vector<CRect>& updates) {
    PaintAll();
    std::vector<COLORREF> full = Pixels();
    CRect client;
    Surface()->GetClientRect(&client);
    const int w = client.Width();
    for (CRect update : updates) {
      Blacken();
      Surface()->InvalidateRect(&update, FALSE);
      Paint();
      std::vector<COLORREF> now = Pixels();
      int wrong = 0, repainted = 0;
      for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < w; ++x) {
          COLORREF p = now[(size_t)y * w + x];
          if (update.PtInRect(CPoint(x, y)))
            wrong += p != full[(size_t)y * w + x];
          else
            repainted += p != 0;
        }
      EXPECT_EQ(wrong, 0) << update.left << "," << update.top;
      EXPECT_EQ(repainted, 0) << update.left << "," << update.top;
    }
  }
};

TEST_F(SurfacePaint, AnUpdateRectangleIsPaintedAsAFullRepaintWouldAndNothingElse) {
  DrawBoard();
  CRect client;
  Surface()->GetClientRect(&client);
  ExpectPaintedAsFullRepaint({CRect(0, 0, 40, 40), CRect(90, 50, 170, 120), CRect(250, 100, 400, 330),
                              CRect(0, 0, client.Width(), 25)});
}

// Strokes that cross the whole client, drawn with many points: small areas on the edges of
// their pens are painted exactly as a repaint of everything paints them.
TEST_F(SurfacePaint, SmallAreasOfLongStrokesArePaintedAsAFullRepaint) {
  CRect client;
  Surface()->GetClientRect(&client);
  const int w = client.Width(), h = client.Height();
  HWND surface = SurfaceWnd();
  const struct {
    int tool, width;
    COLORREF color;
  } pens[] = {{kToolPen, 2, kBlue}, {kToolHighlighter, 16, 0x00CCFF}, {kToolPen, 8, 0x00AA00}};
  std::vector<CRect> areas;
  for (int k = 0; k < 3; ++k) {
    UseTool(pens[k].tool, pens[k].color, pens[k].width);
    user::MouseDown(surface, {3 + 7 * k, 5});
    for (int i = 1; i <= 30; ++i) {
      POINT p = {(i * 37 + k * 53) % w, (i * (h - 10) / 30 + k * 29) % h};
      user::MouseMove(surface, p, true);
      // An area just beside the point, its near side inside the pen's half width.
      if (i % 8 == 4) areas.push_back(CRect(CPoint(p.x + pens[k].width / 2 - 2, p.y - 4), CSize(8, 8)));
    }
    user::MouseUp(surface, {w - 4, h - 6 - 9 * k});
  }
  UseTool(kToolLine, kRed, 2);
  Drag({0, h / 3}, {w - 1, h / 2});
  areas.push_back(CRect(CPoint(w / 2, (h / 3 + h / 2) / 2 + 2), CSize(8, 8)));
  ExpectPaintedAsFullRepaint(areas);
}

TEST_F(SurfacePaint, ChangesPaintedPieceByPieceEqualAFullRepaint) {
  DrawBoard();
  ::UpdateWindow(SurfaceWnd());
  // Moving, restacking and deleting repaint only the areas they touch.
  HWND surface = SurfaceWnd();
  OnceInModal(platform::ModalKind::Tracker, [surface](const platform::ModalState&) {
    user::MouseMove(surface, {200, 140}, true);
    user::MouseUp(surface, {200, 140});
  });
  user::MouseDown(surface, {120, 80});
  user::MouseUp(surface, {200, 140});
  ::UpdateWindow(surface);
  Surface()->SendMessage(WM_COMMAND, ID_WB_SEND_TO_BACK);
  ::UpdateWindow(surface);
  CRect client;
  Surface()->GetClientRect(&client);
  Click({client.right - 5, client.bottom - 5});  // on nothing: the red swatch is for the next shape
  ::UpdateWindow(surface);
  UseTool(kToolRoundRect, kRed);
  Drag({10, 200}, {140, 280});
  ::UpdateWindow(surface);
  UseTool(kToolSelect);
  OnceInModal(platform::ModalKind::Tracker, [surface](const platform::ModalState&) { user::MouseUp(surface, {70, 240}); });
  user::MouseDown(surface, {70, 240});
  user::MouseUp(surface, {70, 240});
  ASSERT_TRUE(user::PressDelete());
  ::UpdateWindow(surface);
  std::vector<COLORREF> pieces = Pixels();
  PaintAll();
  EXPECT_TRUE(pieces == Pixels());
}

// Selecting one object after another repaints the two frames only (not their insides), and
// the window then shows what a repaint of everything shows.
TEST_F(SurfacePaint, ASelectionChangeRepaintsOnlyTheFrames) {
  DrawBoard();
  ::UpdateWindow(SurfaceWnd());
  HWND surface = SurfaceWnd();
  const POINT picks[] = {{300, 200}, {120, 80}, {300, 200}};
  for (POINT at : picks) {
    Blacken();
    OnceInModal(platform::ModalKind::Tracker, [surface, at](const platform::ModalState&) { user::MouseUp(surface, at); });
    user::MouseDown(surface, at);
    ::UpdateWindow(surface);
    std::vector<COLORREF> pieces = Pixels();
    EXPECT_EQ(0u, Pixel(at.x, at.y)) << at.x;  // inside a frame: untouched
    PaintAll();
    std::vector<COLORREF> full = Pixels();
    int repainted = 0, wrong = 0;
    for (size_t i = 0; i < full.size(); ++i) {
      repainted += pieces[i] != 0;
      wrong += pieces[i] != 0 && pieces[i] != full[i];
    }
    EXPECT_EQ(0, wrong) << at.x;
    EXPECT_GT(repainted, 0) << at.x;
    EXPECT_LT(repainted, (int)full.size() / 10) << at.x;
  }
}

}  // namespace
}  // namespace surftest
