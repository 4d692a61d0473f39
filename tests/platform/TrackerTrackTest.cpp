// CRectTracker's modal drags, driven by simulated mouse moves inside the tracker loop.
#include <gtest/gtest.h>

#include "platform/gdi/RectTracker.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/Wnd.h"
#include "tests/support/DesktopTest.h"

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

namespace {

class Board : public CWnd {
 public:
  int records = 0;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_USER + 1000) ++records;
    return CWnd::WindowProc(msg, wParam, lParam);
  }
};

// Counts the steps that changed the rectangle.
class CountingTracker : public CRectTracker {
 public:
  using CRectTracker::CRectTracker;
  int changes = 0;
  void OnChangedRect(const CRect&) override { ++changes; }
};

class TrackerTrackTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(board.CreateEx(0, nullptr, "board", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
  }
  // Inside the next tracker loop: moves the pointer through `path` with the button down and
  // lets it go at the last point.
  void DragThrough(std::vector<CPoint> path) {
    OnceInModal(ModalKind::Tracker, [this, path](const ModalState& state) {
      EXPECT_EQ(board.m_hWnd, state.window);
      for (size_t i = 0; i + 1 < path.size(); ++i) user::MouseMove(board.m_hWnd, path[i], true);
      user::MouseUp(board.m_hWnd, path.back());
    });
  }
  Board board;
  CountingTracker tracker{CRect(50, 50, 150, 150), CRectTracker::solidLine | CRectTracker::resizeInside};
};

TEST_F(TrackerTrackTest, DraggingTheMiddleMovesTheRectangle) {
  DragThrough({CPoint(110, 110), CPoint(120, 130), CPoint(130, 140)});
  EXPECT_TRUE(tracker.Track(&board, CPoint(100, 100)));
  EXPECT_EQ(CRect(80, 90, 180, 190), tracker.m_rect);
  EXPECT_EQ(3, tracker.changes);
  EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(TrackerTrackTest, DraggingAHandleResizesAndKeepsTheMinimumSize) {
  CRect handle;
  tracker.GetHandleRect(CRectTracker::hitBottomRight, &handle);
  CPoint grab = handle.CenterPoint();
  DragThrough({grab + CSize(20, 10)});
  EXPECT_TRUE(tracker.Track(&board, grab));
  EXPECT_EQ(CRect(50, 50, 170, 160), tracker.m_rect);

  tracker.GetHandleRect(CRectTracker::hitRight, &handle);
  grab = handle.CenterPoint();
  DragThrough({grab - CSize(200, 0)});  // far past the left edge
  EXPECT_TRUE(tracker.Track(&board, grab));
  EXPECT_EQ(CRect(50, 50, 50 + tracker.m_sizeMin.cx, 160), tracker.m_rect);
}

TEST_F(TrackerTrackTest, InvertingIsAllowedOnlyWhenAsked) {
  CRect handle;
  tracker.GetHandleRect(CRectTracker::hitRight, &handle);
  CPoint grab = handle.CenterPoint();
  DragThrough({grab - CSize(150, 0)});
  EXPECT_TRUE(tracker.Track(&board, grab, TRUE));
  EXPECT_EQ(CRect(50, 50, 0, 150), tracker.m_rect);  // the right edge followed the pointer
  tracker.m_rect.SetRect(50, 50, 150, 150);
  DragThrough({grab - CSize(97, 0)});  // 3 pixels wide: the minimum holds, the sign stays
  EXPECT_TRUE(tracker.Track(&board, grab, TRUE));
  EXPECT_EQ(CRect(50, 50, 50 + tracker.m_sizeMin.cx, 150), tracker.m_rect);
}

TEST_F(TrackerTrackTest, EscapeOrTheRightButtonCancelAndRestore) {
  OnceInModal(ModalKind::Tracker, [this](const ModalState&) {
    user::MouseMove(board.m_hWnd, CPoint(140, 140), true);
    user::PressEscape();
  });
  EXPECT_FALSE(tracker.Track(&board, CPoint(100, 100)));
  EXPECT_EQ(CRect(50, 50, 150, 150), tracker.m_rect);
  OnceInModal(ModalKind::Tracker, [this](const ModalState&) {
    user::MouseMove(board.m_hWnd, CPoint(140, 140), true);
    user::MouseDown(board.m_hWnd, CPoint(140, 140), true);
  });
  EXPECT_FALSE(tracker.Track(&board, CPoint(100, 100)));
  EXPECT_EQ(CRect(50, 50, 150, 150), tracker.m_rect);
}

TEST_F(TrackerTrackTest, APointOffTheFrameStartsNoLoopAndAClickWithoutMoveChangesNothing) {
  EXPECT_FALSE(tracker.Track(&board, CPoint(250, 250)));
  DragThrough({CPoint(100, 100)});
  EXPECT_FALSE(tracker.Track(&board, CPoint(100, 100)));
  EXPECT_EQ(CRect(50, 50, 150, 150), tracker.m_rect);
}

TEST_F(TrackerTrackTest, MessagesSentToTheWindowAreHandledDuringTheDrag) {
  OnceInModal(ModalKind::Tracker, [this](const ModalState&) {
    board.SendMessage(WM_USER + 1000, 0, 0);  // a received board record
    user::MouseMove(board.m_hWnd, CPoint(105, 100), true);
    user::MouseUp(board.m_hWnd, CPoint(105, 100));
  });
  EXPECT_TRUE(tracker.Track(&board, CPoint(100, 100)));
  EXPECT_EQ(1, board.records);
  EXPECT_EQ(55, tracker.m_rect.left);
}

TEST_F(TrackerTrackTest, RubberBandFromThePointToThePointer) {
  DragThrough({CPoint(40, 30), CPoint(60, 40)});
  EXPECT_TRUE(tracker.TrackRubberBand(&board, CPoint(10, 10)));
  EXPECT_EQ(CRect(10, 10, 60, 40), tracker.m_rect);
  DragThrough({CPoint(5, 2)});  // up and left: inverted, as allowed by default
  EXPECT_TRUE(tracker.TrackRubberBand(&board, CPoint(10, 10)));
  EXPECT_EQ(CRect(10, 10, 5, 2), tracker.m_rect);
  DragThrough({CPoint(10, 10)});
  EXPECT_FALSE(tracker.TrackRubberBand(&board, CPoint(10, 10)));
}

}  // namespace
