// Two boards drawing together through the host's relay: what one board draws, moves and
// recolours ends as the same object, the same page XML and the same pixels on the other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/relay/WbRelay.h"
#include "module/TavorineModule.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "protocol/HostBlocks.h"
#include "tests/support/boards/RelayedBoardsFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeBitmap.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/surface/DrawSurface.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/P2PDrawContentDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {
namespace {

int ToolButton(int tool) { return tool == kToolSelect ? IDC_WB_SELECT_TOOL : IDC_WB_TOOL_FIRST + tool; }

class RelayedBoardsTest : public RelayedBoards {
 protected:
  void ExpectSameBoards() {
    EXPECT_EQ(PageXml(Alice()), PageXml(Bob()));
    EXPECT_TRUE(SamePixels(Alice(), Bob()));
  }
  CStrokeBase* OnlyStroke(CDlgDFP2PWhiteBoard* board) {
    std::vector<CStrokeBase*> strokes = Strokes(board->GetSurface());
    return strokes.size() == 1 ? strokes[0] : nullptr;
  }
};

TEST_F(RelayedBoardsTest, FiguresDraggedUpwardOrLeftwardArriveAsTheyWereDrawn) {
  ChooseTool(Alice(), ToolButton(kToolTriangle));
  DragOn(Alice(), {100, 200}, {180, 120});
  ChooseTool(Alice(), ToolButton(kToolTrapezia));
  DragOn(Alice(), {320, 200}, {220, 120});
  EXPECT_EQ(Relay(), 2);
  ASSERT_EQ(Strokes(Bob()->GetSurface()).size(), 2u);
  ExpectSameBoards();
}

// A record reaches the board of the peer it comes from, its object tied to that board; one
// from a peer without a board reaches none (no conference window exists to take it either),
// and the refusal is logged.
TEST_F(RelayedBoardsTest, ARecordReachesOnlyTheBoardOfThePeerItComesFrom) {
  ChooseTool(Alice(), ToolButton(kToolLine));
  DragOn(Alice(), {50, 60}, {250, 60});
  EXPECT_EQ(Relay(), 1);
  CStrokeBase* line = OnlyStroke(Bob());
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->m_pOwner, Bob());
  EXPECT_EQ(Strokes(Alice()->GetSurface()).size(), 1u);

  DragOn(Alice(), {50, 120}, {250, 120});
  host::BlockArena arena;
  HostRecordBlock block{1, host::UnpackReceivedWbMessage(host::PackWbMessage(Sent().back()), arena,
                                                         "sip:13700000003@ims.example.cn"),
                        0};
  ASSERT_EQ(Module()->m_pDlgDataConf, nullptr);
  EXPECT_EQ(Deliver(kModuleDataConfRecord, block), 0);
  EXPECT_EQ(Strokes(Bob()->GetSurface()).size(), 1u);
  EXPECT_EQ(Strokes(Alice()->GetSurface()).size(), 2u);
  const std::vector<std::string> log = Host().LogLines();
  EXPECT_EQ(std::count(log.begin(), log.end(), "[ERROR]CTavorineModule::OnHostMessage(no whiteboard takes the record)\n"), 1);
}

TEST_F(RelayedBoardsTest, APaletteRecolourOfATriangleOrTrapeziumReachesThePeer) {
  ChooseTool(Alice(), ToolButton(kToolTriangle));
  DragOn(Alice(), {100, 100}, {200, 200});
  Relay();
  ChooseTool(Alice(), ToolButton(kToolSelect));
  DragSelected(Alice(), {150, 180}, {150, 180});
  ASSERT_TRUE(platform::user::ClickItem(Alice()->GetColorBar()->m_hWnd, kRedSwatch));
  EXPECT_EQ(Relay(), 1);
  ClickOn(Alice(), {350, 350});  // the selection frame goes
  CStrokeBase* triangle = OnlyStroke(Bob());
  ASSERT_NE(triangle, nullptr);
  EXPECT_EQ(triangle->m_crColor, 0x0000FFu);
  ExpectSameBoards();
}

TEST_F(RelayedBoardsTest, EllipsesAndCirclesOfOddSizeEndTheSameOnBothBoards) {
  ChooseTool(Alice(), ToolButton(kToolEllipse));
  DragOn(Alice(), {20, 20}, {121, 71});
  ChooseTool(Alice(), ToolButton(kToolSolidEllipse));
  DragOn(Alice(), {150, 20}, {203, 95});
  ChooseTool(Alice(), ToolButton(kToolCircle));
  DragOn(Alice(), {250, 20}, {311, 81});
  Relay();
  ExpectSameBoards();
  // Moved, the ellipse still ends the same on both sides.
  ChooseTool(Alice(), ToolButton(kToolSelect));
  CStrokeBase* ellipse = Strokes(Alice()->GetSurface())[0];
  POINT edge = {ellipse->m_rcDraw.left, (ellipse->m_rcDraw.top + ellipse->m_rcDraw.bottom) / 2};
  DragSelected(Alice(), edge, {edge.x + 7, edge.y + 31});
  EXPECT_EQ(Relay(), 1);
  ClickOn(Alice(), {350, 350});
  ExpectSameBoards();
}

// A board without a page filter (the shared-document board) takes the six numbers of a
// relayed board style from their place in the received layout.
TEST_F(RelayedBoardsTest, TheBoardStyleArrivesWithItsSixNumbers) {
  CDlgDFShareWhiteBoard share;
  ASSERT_TRUE(share.CreateBoard(nullptr));
  ChooseTool(Alice(), ToolButton(kToolRectangle));
  ASSERT_TRUE(platform::user::ChooseListItem(Alice()->m_listLineWidth.m_hWnd, 2));
  ASSERT_TRUE(platform::user::ClickItem(Alice()->m_hWnd, IDC_WB_NEW_PAGE));
  Alice()->SendBoardStyle();
  Relay(0, &share);
  const int expected[WB_STYLE_NUMBERS] = {kToolRectangle, 0, 8, 1600, 1200, 2};
  for (int i = 0; i < WB_STYLE_NUMBERS; ++i) EXPECT_EQ(share.m_anBoardStyle[i], expected[i]) << i;
}

TEST_F(RelayedBoardsTest, ABoardsContentAnswerShowsThePageAndABareRequestChangesNothing) {
  ChooseTool(Alice(), ToolButton(kToolLine));
  DragOn(Alice(), {40, 40}, {200, 120});
  ChooseTool(Alice(), ToolButton(kToolText));
  DragOn(Alice(), {60, 150}, {260, 200});
  platform::user::Type(Alice()->GetSurface()->m_pEdit->m_hWnd, "白板");
  ClickOn(Alice(), {300, 250});
  ChooseTool(Bob(), ToolButton(kToolRectangle));
  DragOn(Bob(), {300, 30}, {380, 90});
  Relay();
  // A bare content request reaches Alice as method 2 without content: nothing is sent back
  // and Alice's board stays as it is.
  std::string before = PageXml(Alice());
  Bob()->RequestBoardContent();
  EXPECT_EQ(Relay(), 1);
  EXPECT_EQ(Relay(), 0) << Traffic();
  EXPECT_EQ(PageXml(Alice()), before);
  // The server's answer carries a page's content as method 2: Bob's board becomes that page.
  Alice()->SendPageContent(1);
  EXPECT_EQ(Relay(WB_RECV_BOARD_SYNC), 1);
  EXPECT_EQ(Strokes(Bob()->GetSurface()).size(), 3u);
  ExpectSameBoards();
}

TEST_F(RelayedBoardsTest, APaletteClickAfterAPageJumpSetsTheDrawingColourOnly) {
  ChooseTool(Alice(), ToolButton(kToolRectangle));
  DragOn(Alice(), {40, 40}, {200, 120});
  ChooseTool(Alice(), ToolButton(kToolSelect));
  DragSelected(Alice(), {40, 80}, {40, 80});
  ASSERT_TRUE(platform::user::ClickItem(Alice()->m_hWnd, IDC_WB_NEW_PAGE));
  Relay();
  ASSERT_TRUE(platform::user::ClickItem(Alice()->GetColorBar()->m_hWnd, kRedSwatch));
  EXPECT_EQ(Relay(), 0);
  EXPECT_EQ(Alice()->GetSurface()->m_crColor, 0x0000FFu);
  CStrokePage* first = Alice()->GetSurface()->GetPageByNumber(1);
  ASSERT_EQ(first->m_listStroke.GetCount(), 1);
  EXPECT_EQ(static_cast<CStrokeBase*>(first->m_listStroke.GetHead())->m_crColor, 0u);
}

// 13438 on a text: the font dialog's font and colour reach the peer with the text.
TEST_F(RelayedBoardsTest, ATextFontChosenInTheFontDialogReachesThePeer) {
  ChooseTool(Alice(), ToolButton(kToolText));
  DragOn(Alice(), {60, 150}, {300, 200});
  platform::user::Type(Alice()->GetSurface()->m_pEdit->m_hWnd, "字体");
  ChooseTool(Alice(), ToolButton(kToolSelect));
  ClickOn(Alice(), {400, 300});
  Relay();
  HWND surface = Alice()->GetSurface()->m_hWnd;
  // The object menu chooses the font command, whose dialog then takes the font and colour.
  OnceInModal(platform::ModalKind::Menu, [this](const platform::ModalState&) {
    OnceInModal(platform::ModalKind::Dialog, [](const platform::ModalState& state) {
      CFontDialog* dialog = dynamic_cast<CFontDialog*>(CWnd::FromHandlePermanent(state.window));
      ASSERT_NE(dialog, nullptr);
      LOGFONT font = {};
      dialog->GetCurrentFont(&font);
      font.lfHeight = -24;
      font.lfWeight = 400;
      strcpy(font.lfFaceName, "黑体");
      dialog->SetCurrentFont(font);
      dialog->SetCurrentColor(0x00FF00);
      dialog->EndDialog(IDOK);
    });
    EXPECT_TRUE(platform::Menus::Choose(ID_WB_TEXT_FONT));
  });
  platform::user::MouseDown(surface, {180, 175}, true);
  platform::user::MouseUp(surface, {180, 175}, true);
  EXPECT_EQ(Relay(), 1);
  CStrokeText* text = dynamic_cast<CStrokeText*>(OnlyStroke(Bob()));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->m_logFont.lfHeight, -24);
  EXPECT_STREQ(text->m_logFont.lfFaceName, "黑体");
  EXPECT_EQ(text->m_crColor, 0x00FF00u);
  ClickOn(Alice(), {400, 300});
  ExpectSameBoards();
}

// A finished screen capture becomes the same picture on both boards (JPEG, Base64, one record).
TEST_F(RelayedBoardsTest, AFinishedCaptureBecomesAPictureOnBothBoards) {
  const char* capture = TAV_APP_PICTURES_DIR "Hand.bmp";
  EXPECT_EQ(::SendMessage(Alice()->m_hWnd, WM_WB_CAPTURE_DONE, 0, (LPARAM)capture), 1);
  EXPECT_EQ(Relay(), 1);
  CStrokeBitmap* picture = dynamic_cast<CStrokeBitmap*>(OnlyStroke(Bob()));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->m_csFormat, CString("jpeg"));
  ExpectSameBoards();
  EXPECT_EQ(::SendMessage(Alice()->m_hWnd, WM_WB_CAPTURE_DONE, 0, (LPARAM) "/nonexistent.bmp"), 0);
  EXPECT_EQ(Relay(), 0);
}

// Leaving a changed board offers to save it: Cancel keeps the board, Yes writes the XWB
// document to the file chosen in the save dialog, and the board goes.
TEST_F(RelayedBoardsTest, LeavingAChangedBoardOffersToSaveItAsADocument) {
  ChooseTool(Alice(), ToolButton(kToolLine));
  DragOn(Alice(), {40, 40}, {200, 120});
  std::string id = Strokes(Alice()->GetSurface())[0]->m_szID;
  ScriptMessageBox(IDCANCEL);
  platform::user::CloseWindow(Alice()->m_hWnd);
  EXPECT_EQ(LastMessageBoxText(), CString("白板内容已经改变，是否保存？"));
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 2) << "Cancel keeps the board";

  std::string path = testing::TempDir() + "saved-board.xwb";
  std::remove(path.c_str());
  ScriptMessageBox(IDYES);
  OnceInModal(platform::ModalKind::Dialog, [path](const platform::ModalState& state) {
    CFileDialog* dialog = dynamic_cast<CFileDialog*>(CWnd::FromHandlePermanent(state.window));
    ASSERT_NE(dialog, nullptr);
    dialog->SetPathName(path.c_str());
    dialog->EndDialog(IDOK);
  });
  platform::user::CloseWindow(Alice()->m_hWnd);
  platform::Desktop::PumpMessages();
  EXPECT_EQ(Module()->m_aP2PWhiteBoards.GetSize(), 1) << "the board went";
  FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::string saved;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) saved.append(buffer, n);
  std::fclose(file);
  EXPECT_EQ(saved.compare(0, 2, "WB"), 0);
  EXPECT_NE(saved.find("<xwb oper=\"create\""), std::string::npos);
  EXPECT_NE(saved.find(id), std::string::npos);
}

// What a peer adds, moves, restacks and deletes repaints only the places it leaves and takes on
// the receiving board, which then shows what a repaint of everything shows.
TEST_F(RelayedBoardsTest, ReceivedObjectsRepaintOnlyTheirPlaces) {
  HWND bob = Bob()->GetSurface()->m_hWnd;
  ChooseTool(Alice(), ToolButton(kToolRectangle));
  DragOn(Alice(), {40, 40}, {200, 160});
  ChooseTool(Alice(), ToolButton(kToolEllipse));
  DragOn(Alice(), {120, 100}, {300, 220});
  Relay();
  ::UpdateWindow(bob);
  RECT client;
  ::GetClientRect(bob, &client);
  auto relayed = [&](const char* step) {
    EXPECT_GE(Relay(), 1) << step;
    RECT update;
    ::GetUpdateRect(bob, &update, FALSE);
    EXPECT_LT((update.right - update.left) * (update.bottom - update.top), client.right * client.bottom / 2) << step;
    ::UpdateWindow(bob);
  };
  ChooseTool(Alice(), ToolButton(kToolLine));
  DragOn(Alice(), {20, 250}, {250, 180});
  relayed("a line added");
  ChooseTool(Alice(), ToolButton(kToolSelect));
  DragSelected(Alice(), {40, 100}, {90, 60});
  relayed("the rectangle moved");
  Alice()->GetSurface()->SendMessage(WM_COMMAND, ID_WB_SEND_TO_BACK);
  relayed("the rectangle sent back");
  DragSelected(Alice(), {210, 220}, {210, 220});
  ASSERT_TRUE(platform::user::PressDelete());
  relayed("the ellipse deleted");
  std::vector<COLORREF> pieces;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) pieces.push_back(platform::WindowPixel(bob, x, y));
  EXPECT_TRUE(SamePixels(Alice(), Bob()));
  size_t same = 0;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) same += pieces[(size_t)y * client.right + x] == platform::WindowPixel(bob, x, y);
  EXPECT_EQ(same, pieces.size());
}

}  // namespace
}  // namespace surftest
