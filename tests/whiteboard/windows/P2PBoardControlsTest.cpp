// The point-to-point board's palette bar and page box, which act on the point-to-point surface
// and send to the peer (nConfType 1: no conference runs here), and its close box, which offers
// to save the board.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "module/TavorineModule.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/UserInput.h"
#include "tests/support/boards/SisterBoardFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/P2PColorBarDlg.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {
namespace {

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

const char kPeer[] = "sip:8613800000002@ims.example.cn";

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
  // The user closes the board with its close box.
  void Leave() {
    user::CloseWindow(board_->m_hWnd);
    platform::Desktop::PumpMessages();
  }
  int OpenBoards() { return Module()->m_aP2PWhiteBoards.GetSize(); }

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

TEST_F(P2PBoardControls, RecolouringASelectedObjectTellsThePeer) {
  CStrokeBase* rect = DrawAndSelectRectangle();
  ASSERT_EQ(Surface()->m_pSelected, rect);
  size_t before = Sent().size();
  COLORREF drawing = Surface()->m_crColor;
  ASSERT_TRUE(user::Click(Swatch(kBlueSwatch)));
  EXPECT_EQ(rect->m_crColor, kBlue);
  EXPECT_EQ(Surface()->m_crColor, drawing);
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

// The board counts as changed from its opening: leaving it asks at once, with nothing drawn,
// and No lets it go without a save dialog.
TEST_F(P2PBoardControls, LeavingTheBoardAsksFromItsOpeningAndNoLetsItGoUnsaved) {
  bool saveDialog = false;
  OnceInModal(ModalKind::Dialog, [&saveDialog](const ModalState& state) {
    saveDialog = true;
    ::EndDialog(state.window, IDCANCEL);
  });
  ScriptMessageBox(IDNO);
  Leave();
  ASSERT_EQ(MessageBoxesShown().size(), 1u);
  EXPECT_EQ(LastMessageBoxText(), CString("白板内容已经改变，是否保存？"));
  EXPECT_FALSE(saveDialog);
  EXPECT_EQ(OpenBoards(), 0);
}

// Leaving without a file written keeps the board open and changed, so that leaving it again
// asks again: Cancel in the question, the save dialog cancelled, or a file that cannot be
// written.
enum class Unsaved { kQuestionCancelled, kDialogCancelled, kFileNotWritten };

std::string UnsavedName(const testing::TestParamInfo<Unsaved>& info) {
  const char* const names[] = {"QuestionCancelled", "DialogCancelled", "FileNotWritten"};
  return names[(int)info.param];
}

class P2PBoardUnsavedLeave : public P2PBoardControls, public testing::WithParamInterface<Unsaved> {};

TEST_P(P2PBoardUnsavedLeave, KeepsTheBoardChanged) {
  const Unsaved how = GetParam();
  UseToolOn(board_, kToolLine);
  Drag(Surface(), {40, 40}, {200, 120});
  std::string path = testing::TempDir() + "no-such-folder/board.xwb";
  ScriptMessageBox(how == Unsaved::kQuestionCancelled ? IDCANCEL : IDYES);
  if (how != Unsaved::kQuestionCancelled) {
    OnceInModal(ModalKind::Dialog, [how, path](const ModalState& state) {
      CFileDialog* dialog = dynamic_cast<CFileDialog*>(CWnd::FromHandlePermanent(state.window));
      ASSERT_NE(dialog, nullptr);
      dialog->SetPathName(path.c_str());
      dialog->EndDialog(how == Unsaved::kDialogCancelled ? IDCANCEL : IDOK);
    });
  }
  Leave();
  ASSERT_EQ(OpenBoards(), 1);
  EXPECT_TRUE(board_->m_bContentChanged);
  EXPECT_EQ(Strokes(Surface()).size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(path));

  size_t boxes = MessageBoxesShown().size();
  ScriptMessageBox(IDNO);
  Leave();
  EXPECT_EQ(MessageBoxesShown().size(), boxes + 1);
  EXPECT_EQ(LastMessageBoxText(), CString("白板内容已经改变，是否保存？"));
  EXPECT_EQ(OpenBoards(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, P2PBoardUnsavedLeave,
                         testing::Values(Unsaved::kQuestionCancelled, Unsaved::kDialogCancelled,
                                         Unsaved::kFileNotWritten),
                         UnsavedName);

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
  UseToolOn(board_, kToolRectangle);
  Drag(Surface(), {100, 100}, {200, 160});  // a drawing keeps the ended board
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
