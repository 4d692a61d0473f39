// The canvas: page look-up, scroll bars and their offsets, the move-page tool, and painting.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/windows/WbToolButtons.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/GestureShared.h"

namespace surftest {
namespace {

namespace user = platform::user;
typedef SurfaceTest SurfaceCanvas;

// The band that a drag draws straight onto the window as the pointer moves is drawn again by a
// paint during the drag (the point-to-point board forgets it).
TEST_F(SurfaceCanvas, APaintDuringADragShowsItsBand) {
  ChooseTool(kToolRectangle);
  user::MouseDown(SurfaceWnd(), {100, 100});
  user::MouseMove(SurfaceWnd(), {200, 160}, true);
  Surface()->Invalidate(FALSE);
  Surface()->UpdateWindow();
  EXPECT_NE(Pixel(150, 100), kWhite);
  user::MouseUp(SurfaceWnd(), {200, 160});
}

TEST_F(SurfaceCanvas, PagesAreFoundByNumber) {
  CStrokePage* only = Surface()->m_pCurPage;
  EXPECT_EQ(Surface()->GetPageByNumber(5), only);  // one page answers every number
  EXPECT_EQ(Surface()->GetPageByNumber(0), nullptr);
  // Pages 2 and 3 from the new-page button.
  ASSERT_TRUE(user::ClickItem(Board()->m_hWnd, IDC_WB_NEW_PAGE));
  CStrokePage* second = Surface()->m_pCurPage;
  ASSERT_TRUE(user::ClickItem(Board()->m_hWnd, IDC_WB_NEW_PAGE));
  EXPECT_EQ(Surface()->GetPageByNumber(2), second);
  EXPECT_EQ(Surface()->GetPageByNumber(5), nullptr);
  EXPECT_EQ(Surface()->GetPageByNumber(-1), nullptr);
}

TEST_F(SurfaceCanvas, ScrollCodesMoveTheOrigin) {
  HWND surface = SurfaceWnd();
  EXPECT_TRUE(::IsWindowVisible(surface));
  user::Scroll(surface, SB_HORZ, SB_LINERIGHT);
  EXPECT_EQ(Surface()->m_ptOrigin.x, 10);
  user::Scroll(surface, SB_HORZ, SB_RIGHT);  // the horizontal edge moves one step
  EXPECT_EQ(Surface()->m_ptOrigin.x, 20);
  user::Scroll(surface, SB_HORZ, SB_PAGERIGHT);
  EXPECT_EQ(Surface()->m_ptOrigin.x, 120);
  user::Scroll(surface, SB_HORZ, SB_LEFT);
  EXPECT_EQ(Surface()->m_ptOrigin.x, 110);
  EXPECT_EQ(g_ptScrollOrigin, CPoint(110, 0));

  user::Scroll(surface, SB_VERT, SB_BOTTOM);  // the vertical edge jumps
  CRect client;
  ::GetClientRect(surface, &client);
  EXPECT_GE(Surface()->m_ptOrigin.y, 1200 - client.Height());
  user::Scroll(surface, SB_VERT, SB_TOP);
  EXPECT_EQ(Surface()->m_ptOrigin.y, 0);
}

TEST_F(SurfaceCanvas, OneWheelMessageMovesTwentyPixels) {
  Surface()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-240), 0);
  EXPECT_EQ(Surface()->m_ptOrigin.y, 20);
  Surface()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(Surface()->m_ptOrigin.y, 0);
}

TEST_F(SurfaceCanvas, KeysScrollTheView) {
  Surface()->SetFocus();
  user::PressKey(VK_NEXT);
  EXPECT_EQ(Surface()->m_ptOrigin.y, 100);
  user::PressKey(VK_RIGHT);
  EXPECT_EQ(Surface()->m_ptOrigin.x, 10);
}

TEST_F(SurfaceCanvas, ALargeClientHidesBothBars) {
  Surface()->MoveWindow(0, 0, 1700, 1300);
  Surface()->RecalcScrollBars(TRUE);
  EXPECT_EQ(CPoint(Surface()->m_ptOrigin), CPoint(0, 0));
  EXPECT_FALSE(Surface()->GetStyle() & WS_HSCROLL);
  EXPECT_FALSE(Surface()->GetStyle() & WS_VSCROLL);
}

TEST_F(SurfaceCanvas, MovePageToolDragsTheViewWithinTheCanvas) {
  UseTool(kToolMovePage);
  Drag({300, 300}, {250, 280});
  EXPECT_EQ(CPoint(Surface()->m_ptOrigin), CPoint(50, 20));
  Drag({100, 100}, {300, 300});
  EXPECT_EQ(CPoint(Surface()->m_ptOrigin), CPoint(0, 0));
  EXPECT_EQ(::GetScrollPos(SurfaceWnd(), SB_HORZ), 0);
}

TEST_F(SurfaceCanvas, ACanvasSmallerThanTheClientDoesNotMove) {
  // The board's own document with a canvas of 300 x 200, read back.
  CString doc = Surface()->WriteXwbDocument();
  ASSERT_EQ(doc.Replace("<size>1600*1200</size>", "<size>300*200</size>"), 1);
  ASSERT_TRUE(Surface()->ReadXwbDocument(doc, doc.GetLength()));
  ASSERT_EQ(Surface()->GetCanvasSize(), CSize(300, 200));
  UseTool(kToolMovePage);
  Drag({300, 300}, {250, 280});
  EXPECT_EQ(CPoint(Surface()->m_ptOrigin), CPoint(0, 0));
}

TEST_F(SurfaceCanvas, BorderBandsAreFoundInTheirOrder) {
  CRect client;
  ::GetClientRect(SurfaceWnd(), &client);
  int r = client.right, b = client.bottom;
  EXPECT_EQ(Surface()->HitTestBorder(100, 100), 0u);
  EXPECT_EQ(Surface()->HitTestBorder(100, b - 2), 8u);
  EXPECT_EQ(Surface()->HitTestBorder(100, 2), 4u);
  EXPECT_EQ(Surface()->HitTestBorder(2, 100), 1u);
  EXPECT_EQ(Surface()->HitTestBorder(r - 2, 100), 2u);
  EXPECT_EQ(Surface()->HitTestBorder(0, 0), 16u);
  EXPECT_EQ(Surface()->HitTestBorder(r, 0), 128u);
  EXPECT_EQ(Surface()->HitTestBorder(0, b), 64u);
  EXPECT_EQ(Surface()->HitTestBorder(r, b), 32u);
}

TEST_F(SurfaceCanvas, DraggingIntoTheBorderScrollsAndTheObjectLandsInTheDocument) {
  CRect client;
  ::GetClientRect(SurfaceWnd(), &client);
  g_bScrolledInGesture = FALSE;
  UseTool(kToolLine);
  HWND surface = SurfaceWnd();
  user::MouseDown(surface, {100, 100});
  user::MouseMove(surface, {200, client.bottom - 2}, true);
  user::MouseMove(surface, {210, client.bottom - 2}, true);
  EXPECT_EQ(CPoint(Surface()->m_ptOrigin), CPoint(0, 20));
  EXPECT_TRUE(g_bScrolledInGesture);
  user::MouseUp(surface, {210, client.bottom - 2});
  const WbLinePayload* line = LastPayload<WbLinePayload>();
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->szY1, "100");
  EXPECT_EQ(atoi(line->szY2), client.bottom - 2 + 20);
}

TEST_F(SurfaceCanvas, TheRubberBandIsDrawnOnTheWindowWhileDragging) {
  Paint();
  UseTool(kToolRectangle);
  HWND surface = SurfaceWnd();
  user::MouseDown(surface, {100, 100});
  user::MouseMove(surface, {200, 150}, true);
  user::MouseMove(surface, {220, 170}, true);
  EXPECT_EQ(Pixel(160, 100), (COLORREF)0xB9B9B9);  // white XOR RGB(70, 70, 70)
  EXPECT_EQ(Pixel(160, 130), kWhite);
  user::MouseUp(surface, {220, 170});
}

TEST_F(SurfaceCanvas, PaintShowsThePageShiftedByTheOrigin) {
  UseTool(kToolSolidRectangle, kRed);
  Drag({100, 100}, {200, 160});
  Paint();
  EXPECT_EQ(Pixel(150, 130), kRed);
  user::Scroll(SurfaceWnd(), SB_HORZ, SB_THUMBPOSITION, 60);
  Paint();
  EXPECT_EQ(Pixel(150, 130), kWhite);
  EXPECT_EQ(Pixel(60, 130), kRed);
}

TEST_F(SurfaceCanvas, ABoardWithoutPagesShowsWhite) {
  UseTool(kToolSolidRectangle, kRed);
  Drag({100, 100}, {200, 160});
  EndBoard();
  Paint();
  EXPECT_EQ(Pixel(150, 130), kWhite);
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(0, 0));
  OpenPage(1);
}

// A board drawn with most tools, written to $TAV_PICTURES_DIR/board.png when it is set.
TEST_F(SurfaceCanvas, BoardOfManyGestures) {
  UseTool(kToolLine, kRed, 4);
  Drag({40, 40}, {260, 120});
  UseTool(kToolRectangle, kBlue, 4);
  Drag({300, 40}, {420, 120});
  UseTool(kToolEllipse, 0x008000, 2);
  Drag({440, 40}, {560, 120});
  UseTool(kToolSolidRectangle, 0x00C0FF);
  Drag({40, 160}, {160, 240});
  UseTool(kToolSolidEllipse, 0xC000C0);
  Drag({180, 160}, {300, 240});
  UseTool(kToolCircle, 0x808000);
  Drag({320, 160}, {400, 240});
  UseTool(kToolTriangle, 0x0080FF);
  Drag({420, 160}, {540, 240});
  UseTool(kToolRoundRect, 0x40A040);
  Drag({40, 280}, {180, 360});
  UseTool(kToolTrapezia, 0xA04040);
  Drag({200, 280}, {340, 360});
  UseTool(kToolHighlighter, 0x00FFFF, 16);
  HWND surface = SurfaceWnd();
  user::MouseDown(surface, {360, 300});
  for (int x = 370; x <= 540; x += 10) user::MouseMove(surface, {x, 300 + (x % 40 == 0 ? 30 : 0)}, true);
  user::MouseUp(surface, {540, 300});
  UseTool(kToolText, 0);
  Drag({40, 380}, {300, 420});
  user::Type(Surface()->m_pEdit->m_hWnd, "白板 whiteboard");
  UseTool(kToolSelect);
  OnceInModal(platform::ModalKind::Tracker, [surface](const platform::ModalState&) {
    user::MouseUp(surface, {100, 200});
  });
  Click({100, 200});  // commits the text and selects the solid rectangle
  Paint();
  EXPECT_EQ(Strokes().size(), 11u);
  EXPECT_EQ(Sent().size(), 11u);
  EXPECT_EQ(Pixel(100, 200), (COLORREF)0x00C0FF);
  EXPECT_EQ(Pixel(240, 200), (COLORREF)0xC000C0);
  EXPECT_EQ(Pixel(480, 230), (COLORREF)0x0080FF);
  if (const char* dir = getenv("TAV_PICTURES_DIR")) {
    std::string path = std::string(dir) + "/board.png";
    EXPECT_TRUE(platform::WriteWindowPng(surface, path.c_str()));
  }
}

}  // namespace
}  // namespace surftest
