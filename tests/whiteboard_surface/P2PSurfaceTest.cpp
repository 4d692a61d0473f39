// The point-to-point surface: records to the one peer (nConfType 1, header flavour 4), nothing
// sent while the session is not live, the board's changed flag, and its own canvas.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "tests/whiteboard_surface/SisterBoardFixture.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/surface/DrawContentDlg.h"
#include "whiteboard/surface/P2PDrawContentDlg.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

namespace surftest {
namespace {

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

const char kPeer[] = "sip:8613800000001@ims.example.cn";
const char kSessionId[] = "p2p-5150";

class P2PSurface : public SisterBoardTest {
 protected:
  void SetUp() override {
    SisterBoardTest::SetUp();
    board_ = OpenBoard(kPeer);
  }
  void TearDown() override {
    board_.reset();
    SisterBoardTest::TearDown();
  }
  // A shown, live point-to-point board with its first page; no conference runs.
  static std::unique_ptr<CDlgDFP2PWhiteBoard> OpenBoard(const char* peer) {
    std::unique_ptr<CDlgDFP2PWhiteBoard> board(new CDlgDFP2PWhiteBoard());
    board->SetPeerURI(peer);
    board->SetConfID(kSessionId);
    board->m_bBoardLive = TRUE;
    EXPECT_TRUE(board->CreateBoard(nullptr));
    board->ShowWindow(SW_SHOW);
    EXPECT_TRUE(board->CreatePageForP2P());
    return board;
  }
  CP2PDrawContentDlg* Surface() { return board_->GetSurface(); }
  void DrawLine(POINT from = {100, 50}, POINT to = {300, 200}) {
    Surface()->m_nTool = kToolLine;
    Drag(Surface(), from, to);
  }
  static void ExpectAddressedToPeer(const WbMsgHeader* header) {
    DWORD subConf = header->head.nSubConfID;
    EXPECT_STREQ(header->head.szSessionURI, kPeer);
    EXPECT_STREQ(header->head.szDConfID, kSessionId);
    EXPECT_EQ(subConf, 0u);
  }

  std::unique_ptr<CDlgDFP2PWhiteBoard> board_;
};

TEST_F(P2PSurface, ALineGoesToThePeerWithoutAConference) {
  size_t logLines = Host().EventsWithCode(kHostWriteLog).size();
  DrawLine({300, 200}, {100, 50});
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0]->m_pOwner, board_.get());
  // No conference runs, so only transport 1 lets the record out.
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u) << Traffic();
  DWORD type = sent[0]->head.op;
  int32_t pageCount = sent[0]->nValue;
  EXPECT_EQ(type, (DWORD)WB_MSG_OBJECT_ADD);
  EXPECT_EQ(pageCount, 1);
  ExpectAddressedToPeer(sent[0]);
  const WbLinePayload* line = wbtest::FirstPayload<WbLinePayload>(sent[0]);
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->head.szID, strokes[0]->m_szID);
  EXPECT_STREQ(line->szX1, "300");
  EXPECT_STREQ(line->szY2, "50");
  // The release of a point-to-point gesture writes no log line.
  EXPECT_EQ(Host().EventsWithCode(kHostWriteLog).size(), logLines) << Traffic();
}

TEST_F(P2PSurface, NothingLeavesWhileTheBoardIsNotLive) {
  board_->m_bBoardLive = FALSE;
  board_->m_bContentChanged = FALSE;
  DrawLine();
  EXPECT_EQ(Strokes(Surface()).size(), 1u);
  EXPECT_TRUE(board_->m_bContentChanged);
  // Bring to front and delete change the board all the same.
  Surface()->m_nTool = kToolSolidRectangle;
  Drag(Surface(), {150, 100}, {250, 180});
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 2u);
  Surface()->m_pSelected = strokes[0];
  Surface()->SendMessage(WM_COMMAND, ID_WB_BRING_TO_FRONT);
  EXPECT_EQ(Strokes(Surface()), (std::vector<CStrokeBase*>{strokes[1], strokes[0]}));
  Surface()->m_pSelected = strokes[1];
  Surface()->SendMessage(WM_COMMAND, ID_WB_DELETE_OBJECT);
  EXPECT_EQ(Strokes(Surface()), (std::vector<CStrokeBase*>{strokes[0]}));
  EXPECT_TRUE(Sent().empty()) << Traffic();
}

TEST_F(P2PSurface, ChangesAndDeletionsCarryThePeersAddress) {
  DrawLine();
  Surface()->m_nTool = kToolSolidRectangle;
  Drag(Surface(), {150, 100}, {250, 180});
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 2u);
  CString deletedId = strokes[1]->m_szID;
  Surface()->m_pSelected = strokes[0];
  Surface()->SendMessage(WM_COMMAND, ID_WB_BRING_TO_FRONT);
  Surface()->m_pSelected = strokes[1];
  Surface()->SendMessage(WM_COMMAND, ID_WB_DELETE_OBJECT);

  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 4u) << Traffic();
  for (const WbMsgHeader* header : sent) ExpectAddressedToPeer(header);
  int32_t frontOp = wbtest::FirstPayload<WbShapePayload>(sent[2])->nSubOp;
  EXPECT_EQ(frontOp, WB_SUBOP_TO_FRONT);
  DWORD deleteType = sent[3]->head.op;
  EXPECT_EQ(deleteType, (DWORD)WB_MSG_OBJECT_DELETE);
  EXPECT_STREQ(wbtest::FirstPayload<WbShapePayload>(sent[3])->szID, deletedId);
}

TEST_F(P2PSurface, ATextRecordIsReaddressedToThePeer) {
  Surface()->m_nTool = kToolText;
  Drag(Surface(), {100, 100}, {300, 160});
  ASSERT_NE(Surface()->m_pEdit, nullptr);
  Surface()->m_pEdit->SetWindowText("你好");
  board_->m_bContentChanged = FALSE;
  ASSERT_TRUE(Surface()->EndTextEdit());
  std::vector<CStrokeBase*> strokes = Strokes(Surface());
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0]->m_pOwner, board_.get());
  // A committed text marks the board changed, so leaving offers to save it.
  EXPECT_TRUE(board_->m_bContentChanged);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u) << Traffic();
  ExpectAddressedToPeer(sent[0]);
}

TEST_F(P2PSurface, TheContextMenuMarksTheBoardChanged) {
  DrawLine();
  Surface()->m_nTool = kToolSelect;
  board_->m_bContentChanged = FALSE;
  OnceInModal(ModalKind::Menu, [](const ModalState&) { platform::Menus::Choose(0); });
  user::MouseDown(Surface()->m_hWnd, {200, 125}, true);
  user::MouseUp(Surface()->m_hWnd, {200, 125}, true);
  EXPECT_TRUE(board_->m_bContentChanged);
}

TEST_F(P2PSurface, ReceivedRecordsBuildPagesAndObjectsOfThisBoard) {
  board_->m_bContentChanged = FALSE;
  LinePayload content("line:aaaaaaaaaaaaaaaaa");
  ReceivedRecord page(WB_RECV_PAGE_CONTENT, 2, WB_PAGEOP_PAGE_CONTENT, &content.line, 3);
  board_->DispatchBoardRecord(&page.header);
  // A page's content leaves the changed flag alone.
  EXPECT_FALSE(board_->m_bContentChanged);
  ASSERT_NE(Surface()->m_pCurPage, nullptr);
  EXPECT_EQ(Surface()->m_pCurPage->m_pOwner, board_.get());
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(1600, 1200));
  ASSERT_EQ(Strokes(Surface()).size(), 1u);
  EXPECT_EQ(Strokes(Surface())[0]->m_pOwner, board_.get());

  LinePayload added;
  ReceivedRecord add(WB_RECV_OBJECT_ADD, 2, WB_PAGEOP_OBJECT, &added.line);
  board_->DispatchBoardRecord(&add.header);
  EXPECT_EQ(Strokes(Surface()).size(), 2u);
  EXPECT_TRUE(board_->m_bContentChanged);

  ReceivedRecord remove(WB_RECV_OBJECT_DELETE, 2, WB_PAGEOP_OBJECT, &content.line);
  board_->DispatchBoardRecord(&remove.header);
  ASSERT_EQ(Strokes(Surface()).size(), 1u);
  EXPECT_STREQ(Strokes(Surface())[0]->m_szID, added.line.head.szID);
  EXPECT_TRUE(Sent().empty()) << Traffic();
}

TEST_F(P2PSurface, AnEmptyPageContentEmptiesOnlyThisCanvas) {
  std::unique_ptr<CDlgDFP2PWhiteBoard> other = OpenBoard("sip:8613800000002@ims.example.cn");
  CSize conference(CDrawContentDlg::s_nCanvasWidth, CDrawContentDlg::s_nCanvasHeight);
  ReceivedRecord empty(WB_RECV_PAGE_CONTENT, 0, WB_PAGEOP_PAGE_CONTENT, nullptr);
  board_->DispatchBoardRecord(&empty.header);
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(0, 0));
  EXPECT_EQ(Surface()->m_pCurPage, nullptr);
  EXPECT_FALSE(Surface()->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(other->GetSurface()->GetCanvasSize(), CSize(1600, 1200));
  EXPECT_EQ(CSize(CDrawContentDlg::s_nCanvasWidth, CDrawContentDlg::s_nCanvasHeight), conference);
}

TEST_F(P2PSurface, ANewPageDropsAnOpenTextEdit) {
  Surface()->m_nTool = kToolText;
  Drag(Surface(), {100, 100}, {300, 160});
  ASSERT_NE(Surface()->m_pEdit, nullptr);
  Surface()->m_pEdit->SetWindowText("draft");
  ReceivedRecord page(WB_RECV_PAGE_ADD, 2, WB_PAGEOP_NEW_PAGE, nullptr);
  board_->DispatchBoardRecord(&page.header);
  EXPECT_EQ(Surface()->m_pEdit, nullptr);
  Click(Surface(), {50, 50});
  EXPECT_TRUE(Strokes(Surface()).empty());
  EXPECT_TRUE(Sent().empty()) << Traffic();
}

TEST_F(P2PSurface, TheBoardSurvivesAsSessionDataWithoutAWindow) {
  CDlgDFP2PWhiteBoard data;
  data.SetPeerURI(kPeer);
  EXPECT_STREQ(data.GetPeerURI(), kPeer);
  EXPECT_EQ(data.GetSurface(), nullptr);
  EXPECT_EQ(data.SendStroke(nullptr), 0);
}

}  // namespace
}  // namespace surftest
