// The point-to-point board's palette bar and page box: they act on the point-to-point surface,
// send to the peer (nConfType 1: no conference runs here) and mark the board changed.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "tests/whiteboard_surface/SisterBoardFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/surface/P2PColorBarDlg.h"
#include "whiteboard/surface/P2PDrawContentDlg.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace surftest {
namespace {

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

const char kPeer[] = "sip:8613800000002@ims.example.cn";
constexpr int kBlueSwatch = 1835;  // 0xFF0000

class P2PBoardControls : public SisterBoardTest {
 protected:
  void SetUp() override {
    SisterBoardTest::SetUp();
    board_.reset(new CDlgDFP2PWhiteBoard());
    board_->SetPeerURI(kPeer);
    board_->m_bBoardLive = TRUE;
    ASSERT_TRUE(board_->CreateBoard(nullptr));
    board_->ShowWindow(SW_SHOW);
    ASSERT_TRUE(board_->CreatePageForP2P());
  }
  void TearDown() override {
    board_.reset();
    SisterBoardTest::TearDown();
  }
  CP2PDrawContentDlg* Surface() { return board_->GetSurface(); }
  HWND Swatch(int id) { return ::GetDlgItem(board_->GetColorBar()->m_hWnd, id); }
  // Draws a rectangle outline and selects it with a click on its left edge.
  CStrokeBase* DrawAndSelectRectangle() {
    Surface()->m_nTool = kToolRectangle;
    Drag(Surface(), {100, 100}, {200, 160});
    CStrokeBase* stroke = Strokes(Surface()).back();
    Surface()->m_nTool = kToolSelect;
    POINT edge{100, 130};
    OnceInModal(ModalKind::Tracker, [this, edge](const ModalState&) { user::MouseUp(Surface()->m_hWnd, edge); });
    Click(Surface(), edge);
    return stroke;
  }
  HWND Box() { return board_->m_editPageNo.m_hWnd; }
  void Jump(const char* text) {
    ::SetWindowText(Box(), "");
    ASSERT_TRUE(user::Type(Box(), text));
    ASSERT_TRUE(user::PressEnter());
  }

  std::unique_ptr<CDlgDFP2PWhiteBoard> board_;
};

TEST_F(P2PBoardControls, TheBoardCarriesItsOwnPaletteBar) {
  CColorBarDlg* bar = board_->GetColorBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_NE(dynamic_cast<CP2PColorBarDlg*>(bar), nullptr);
  EXPECT_EQ(::GetParent(bar->m_hWnd), board_->m_hWnd);
  ASSERT_TRUE(user::Click(Swatch(kBlueSwatch)));
  EXPECT_EQ(Surface()->m_crColor, kBlue) << "no selection: the point-to-point surface's drawing colour";
}

TEST_F(P2PBoardControls, RecolouringMarksTheBoardChangedAndTellsThePeer) {
  CStrokeBase* rect = DrawAndSelectRectangle();
  ASSERT_EQ(Surface()->m_pSelected, rect);
  board_->m_bContentChanged = FALSE;  // as after saving
  size_t before = Sent().size();
  COLORREF drawing = Surface()->m_crColor;
  ASSERT_TRUE(user::Click(Swatch(kBlueSwatch)));
  EXPECT_EQ(rect->m_crColor, kBlue);
  EXPECT_EQ(Surface()->m_crColor, drawing);
  EXPECT_TRUE(board_->m_bContentChanged);
  // Without a conference only nConfType 1 lets the record out.
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1) << Traffic();
  EXPECT_STREQ(sent.back()->head.szSessionURI, kPeer);
  const WbShapePayload* change = wbtest::FirstPayload<WbShapePayload>(sent.back());
  ASSERT_NE(change, nullptr);
  EXPECT_STREQ(change->szID, rect->m_szID);
}

TEST_F(P2PBoardControls, ASelectedObjectShowsItsColourInTheBar) {
  board_->ShowSelectedColor(kRed);
  EXPECT_EQ(board_->GetColorBar()->m_btnCurColor.m_crColor, kRed);
}

TEST_F(P2PBoardControls, EnterInThePageBoxTurnsThePageAndSendsItToThePeer) {
  Surface()->AppendNewPage();
  Surface()->AppendNewPage();
  Surface()->m_nCurPageNo = 3;
  size_t before = Sent().size();
  Jump("2");
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_EQ(Surface()->m_pCurPage, Surface()->GetPageByNumber(2));
  EXPECT_EQ(::GetFocus(), Surface()->m_hWnd);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1) << Traffic();
  DWORD type = sent.back()->head.op;
  EXPECT_EQ(type, (DWORD)WB_MSG_PAGE_CONTENT);
  int32_t page = sent.back()->pPageOp->nPage;
  EXPECT_EQ(page, 2);
  EXPECT_STREQ(sent.back()->head.szSessionURI, kPeer);
  EXPECT_FALSE(::IsWindowEnabled(Box()));
  platform::Desktop::Advance(500);
  EXPECT_TRUE(::IsWindowEnabled(Box()));
}

TEST_F(P2PBoardControls, ThePageBoxTurnsWhileTheSessionIsDownButSendsNothing) {
  Surface()->AppendNewPage();
  board_->m_bBoardLive = FALSE;
  size_t before = Sent().size();
  Jump("2");
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_EQ(Sent().size(), before);
  platform::Desktop::Advance(500);  // the page controls come back
  Jump("5");
  EXPECT_EQ(Surface()->m_nCurPageNo, 2) << "no page 5";
  EXPECT_EQ(::GetFocus(), Box());
}

}  // namespace
}  // namespace surftest
