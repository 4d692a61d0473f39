// The point-to-point board's palette bar, page box and save button: they act on the
// point-to-point surface, send to the peer (nConfType 1: no conference runs here) and mark the
// board changed, or saved.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "tests/whiteboard_surface/SisterBoardFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/surface/P2PColorBarDlg.h"
#include "whiteboard/surface/P2PDrawContentDlg.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {
namespace {

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

const char kPeer[] = "sip:8613800000002@ims.example.cn";
constexpr int kRedSwatch = 1833;   // 0x0000FF
constexpr int kBlueSwatch = 1835;  // 0xFF0000

class P2PBoardControls : public SisterBoardTest {
 protected:
  void SetUp() override {
    SisterBoardTest::SetUp();
    board_ = OpenP2PBoard(kPeer);
    ASSERT_NE(board_, nullptr);
  }
  CP2PDrawContentDlg* Surface() { return board_->GetSurface(); }
  HWND Swatch(int id) { return ::GetDlgItem(board_->GetColorBar()->m_hWnd, id); }
  // Draws a rectangle outline and selects it with a click on its left edge.
  CStrokeBase* DrawAndSelectRectangle() {
    UseToolOn(board_, kToolRectangle);
    Drag(Surface(), {100, 100}, {200, 160});
    CStrokeBase* stroke = Strokes(Surface()).back();
    SelectAt(board_, Surface(), {100, 130});
    return stroke;
  }
  HWND Box() { return board_->m_editPageNo.m_hWnd; }
  void Jump(const char* text) {
    ::SetWindowText(Box(), "");
    ASSERT_TRUE(user::Type(Box(), text));
    ASSERT_TRUE(user::PressEnter());
  }
  void NewPage() { ASSERT_TRUE(user::ClickItem(board_->m_hWnd, IDC_WB_NEW_PAGE)); }

  CDlgDFP2PWhiteBoard* board_ = nullptr;  // the module's
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
  ASSERT_TRUE(SaveP2PBoard(board_, testing::TempDir() + "p2p-controls.xwb"));
  ASSERT_EQ(Surface()->m_pSelected, rect);
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
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  UseToolOn(board_, kToolRectangle);
  Drag(Surface(), {100, 100}, {200, 160});
  ASSERT_TRUE(user::Click(Swatch(kBlueSwatch)));
  ASSERT_EQ(board_->GetColorBar()->m_btnCurColor.m_crColor, kBlue) << "the drawing colour";
  SelectAt(board_, Surface(), {100, 130});
  EXPECT_EQ(board_->GetColorBar()->m_btnCurColor.m_crColor, kRed);
}

// The save button writes the board as a document; a board saved since its last change is left
// without the offer to save it. A cancelled save dialog keeps the board changed.
TEST_F(P2PBoardControls, TheSaveButtonSavesTheBoardAndLeavingItThenAsksNothing) {
  UseToolOn(board_, kToolLine);
  Drag(Surface(), {40, 40}, {200, 120});
  std::string id = Strokes(Surface())[0]->m_szID;
  OnceInModal(ModalKind::Dialog, [](const ModalState& state) { ::EndDialog(state.window, IDCANCEL); });
  ASSERT_TRUE(user::ClickItem(board_->m_hWnd, IDC_WB_SAVE));
  EXPECT_TRUE(board_->m_bContentChanged) << "cancelled";

  std::string path = testing::TempDir() + "p2p-saved.xwb";
  std::remove(path.c_str());
  ASSERT_TRUE(SaveP2PBoard(board_, path));
  std::ifstream file(path, std::ios::binary);
  std::string saved((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(saved.find("<xwb oper=\"create\""), std::string::npos);
  EXPECT_NE(saved.find(id), std::string::npos);
  size_t boxes = MessageBoxesShown().size();
  user::CloseWindow(board_->m_hWnd);
  platform::Desktop::PumpMessages();
  EXPECT_EQ(MessageBoxesShown().size(), boxes);
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 0);
}

TEST_F(P2PBoardControls, EnterInThePageBoxTurnsThePageAndSendsItToThePeer) {
  NewPage();
  NewPage();
  ASSERT_EQ(Surface()->m_nCurPageNo, 3);
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
  NewPage();
  EndP2PSessionOf(kPeer);
  size_t before = Sent().size();
  Jump("1");
  EXPECT_EQ(Surface()->m_nCurPageNo, 1);
  EXPECT_EQ(Sent().size(), before);
  platform::Desktop::Advance(500);  // the page controls come back
  Jump("5");
  EXPECT_EQ(Surface()->m_nCurPageNo, 1) << "no page 5";
  EXPECT_EQ(::GetFocus(), Box());
}

}  // namespace
}  // namespace surftest
