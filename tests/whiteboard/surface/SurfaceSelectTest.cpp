// Selection with the tracker, moving, restacking, deleting, text editing and pointers.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/WbBlocks.h"

namespace surftest {
namespace {

using platform::ModalKind;
using platform::ModalState;
namespace user = platform::user;

class SurfaceSelect : public SurfaceTest {
 protected:
  // A solid rectangle (100,100)-(200,160) drawn with the mouse; the select tool after it.
  CStrokeBase* DrawBlock(POINT from = {100, 100}, POINT to = {200, 160}, COLORREF color = kRed) {
    UseTool(kToolSolidRectangle, color);
    Drag(from, to);
    UseTool(kToolSelect);
    return Strokes().back();
  }
  // Presses at `from` with the select tool and lets the tracker follow to `to`.
  void DragSelected(POINT from, POINT to, std::function<void()> during = nullptr) {
    HWND surface = SurfaceWnd();
    OnceInModal(ModalKind::Tracker, [surface, to, during](const ModalState&) {
      user::MouseMove(surface, to, true);
      if (during) during();
      user::MouseUp(surface, to);
    });
    user::MouseDown(surface, from);
    user::MouseUp(surface, to);
  }
};

TEST_F(SurfaceSelect, DraggingAnObjectMovesItAndSendsItsNewPlace) {
  CStrokeBase* block = DrawBlock();
  size_t before = Sent().size();
  DragSelected({150, 130}, {180, 150});
  EXPECT_EQ(Surface()->m_pSelected, block);
  EXPECT_TRUE(block->m_bSelected);
  EXPECT_EQ(CRect(block->m_rcDraw), CRect(130, 120, 230, 180));
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1);
  DWORD type = sent.back()->head.op;
  EXPECT_EQ(type, 8u);
  const WbRectPayload* rect = LastPayload<WbRectPayload>();
  ASSERT_NE(rect, nullptr);
  EXPECT_STREQ(rect->head.szID, block->m_szID);
  EXPECT_STREQ(rect->szX, "130");
  EXPECT_STREQ(rect->szY, "120");
  EXPECT_FALSE(Surface()->m_bTracking);
}

TEST_F(SurfaceSelect, ClickOnNothingClearsTheSelection) {
  DrawBlock();
  DragSelected({150, 130}, {150, 130});
  EXPECT_TRUE(Surface()->m_bHasSelection);
  Click({400, 300});
  EXPECT_FALSE(Surface()->m_bHasSelection);
  EXPECT_EQ(Surface()->m_pSelected, nullptr);
}

TEST_F(SurfaceSelect, DeleteKeySendsTheDeletionAndRemovesTheObject) {
  CStrokeBase* block = DrawBlock();
  std::string id = block->m_szID;
  DragSelected({150, 130}, {150, 130});
  size_t before = Sent().size();
  ASSERT_TRUE(user::PressDelete());
  EXPECT_TRUE(Strokes().empty());
  EXPECT_EQ(Surface()->m_pSelected, nullptr);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1);
  DWORD type = sent.back()->head.op;
  int32_t op = sent.back()->pPageOp->nOp, page = sent.back()->pPageOp->nPage;
  EXPECT_EQ(type, 9u);
  EXPECT_EQ(op, 3);
  EXPECT_EQ(page, 1);
  const WbShapePayload* head = LastPayload<WbShapePayload>();
  int32_t subOp = head->nSubOp;
  EXPECT_EQ(std::string(head->szID), id);
  EXPECT_EQ(subOp, 2);
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Board()->m_hWnd, IDC_WB_LINE_WIDTH)));
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(Board()->m_hWnd, IDC_WB_SELECT_TOOL));
}

// The deletion hides the width list; the next tool brings it back, and its width is drawn with.
TEST_F(SurfaceSelect, AfterADeletionTheNextToolOffersTheWidthListAgain) {
  DrawBlock();
  DragSelected({150, 130}, {150, 130});
  ASSERT_TRUE(user::PressDelete());
  HWND widths = ::GetDlgItem(Board()->m_hWnd, IDC_WB_LINE_WIDTH);
  ASSERT_FALSE(::IsWindowVisible(widths));
  UseTool(kToolLine, 0, 8);
  EXPECT_TRUE(::IsWindowVisible(widths));
  EXPECT_TRUE(::IsWindowEnabled(widths));
  Drag({100, 50}, {300, 200});
  const WbLinePayload* line = LastPayload<WbLinePayload>();
  ASSERT_NE(line, nullptr);
  int32_t width = line->pStyle->nPenWidth;
  EXPECT_EQ(width, 8);
}

TEST_F(SurfaceSelect, ContextMenuRestacksTheObjectUnderThePointer) {
  CStrokeBase* lower = DrawBlock({100, 100}, {200, 160});
  CStrokeBase* upper = DrawBlock({150, 130}, {250, 200}, kBlue);
  OnceInModal(ModalKind::Menu, [](const ModalState&) {
    const platform::MenuRecord* menu = platform::Menus::Current();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->Find(ID_WB_EDIT_TEXT)->state & MF_GRAYED);
    platform::Menus::Choose(ID_WB_BRING_TO_FRONT);
  });
  user::MouseDown(SurfaceWnd(), {120, 110}, true);
  user::MouseUp(SurfaceWnd(), {120, 110}, true);
  ASSERT_EQ(Strokes(), (std::vector<CStrokeBase*>{upper, lower}));
  const WbShapePayload* head = LastPayload<WbShapePayload>();
  int32_t subOp = head->nSubOp;
  EXPECT_STREQ(head->szID, lower->m_szID);
  EXPECT_EQ(subOp, WB_SUBOP_TO_FRONT);

  OnceInModal(ModalKind::Menu, [](const ModalState&) { platform::Menus::Choose(ID_WB_SEND_TO_BACK); });
  user::MouseDown(SurfaceWnd(), {120, 110}, true);
  user::MouseUp(SurfaceWnd(), {120, 110}, true);
  EXPECT_EQ(Strokes(), (std::vector<CStrokeBase*>{lower, upper}));
  subOp = LastPayload<WbShapePayload>()->nSubOp;
  EXPECT_EQ(subOp, WB_SUBOP_TO_BACK);
}

TEST_F(SurfaceSelect, ANewPageDuringTheDragDropsTheDrag) {
  DrawBlock();
  WbRecvMsgHeader* page2 = Relayed(MemberNewPage(2));
  size_t before = Sent().size();
  DragSelected({150, 130}, {180, 150}, [this, page2] { Receive(page2); });
  EXPECT_EQ(Sent().size(), before);
  EXPECT_FALSE(Board()->m_bPageChangedWhileTracking);
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceSelect, AnObjectDeletedByAPeerDuringTheDragIsLeftAlone) {
  CStrokeBase* block = DrawBlock();
  Board()->SendStroke(block);  // the peer's deletion of the same object
  WbRecvMsgHeader* gone = Relayed(Sent().back());
  size_t before = Sent().size();
  DragSelected({150, 130}, {180, 150}, [this, gone] { Receive(gone); });
  EXPECT_EQ(Sent().size(), before);
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceSelect, TextIsTypedInPlaceAndSentWhenTheEditCloses) {
  UseTool(kToolText, kBlue);
  Drag({100, 100}, {300, 160});
  ASSERT_NE(Surface()->m_pEdit, nullptr);
  EXPECT_TRUE(Strokes().empty());
  ASSERT_TRUE(user::Type(Surface()->m_pEdit->m_hWnd, "Hello"));
  Click({400, 300});
  EXPECT_EQ(Surface()->m_pEdit, nullptr);
  ASSERT_EQ(Strokes().size(), 1u);
  CStrokeText* text = dynamic_cast<CStrokeText*>(Strokes()[0]);
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text->m_csText, "Hello");
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  DWORD type = sent[0]->head.op;
  EXPECT_EQ(type, 7u);
  const WbTextPayload* payload = LastPayload<WbTextPayload>();
  ASSERT_NE(payload, nullptr);
  EXPECT_STREQ(payload->pszText, "Hello");
}

TEST_F(SurfaceSelect, AnEmptyNewTextDisappearsWithoutARecord) {
  UseTool(kToolText);
  Drag({100, 100}, {300, 160});
  Click({400, 300});
  EXPECT_TRUE(Strokes().empty());
  EXPECT_TRUE(Sent().empty());
}

TEST_F(SurfaceSelect, ANewPageDropsATextBeingTyped) {
  UseTool(kToolText);
  Drag({100, 100}, {300, 160});
  user::Type(Surface()->m_pEdit->m_hWnd, "lost");
  OpenPage(2);
  EXPECT_EQ(Surface()->m_pEdit, nullptr);
  EXPECT_EQ(Surface()->m_pEditText, nullptr);
  EXPECT_TRUE(Strokes().empty());
  EXPECT_TRUE(Sent().empty());
}

TEST_F(SurfaceSelect, ClickOnASelectedTextOpensItForEditing) {
  UseTool(kToolText);
  Drag({100, 100}, {300, 160});
  user::Type(Surface()->m_pEdit->m_hWnd, "abc");
  Click({400, 300});
  UseTool(kToolSelect);
  DragSelected({150, 130}, {150, 130});
  EXPECT_EQ(Surface()->m_pEdit, nullptr);
  DragSelected({150, 130}, {150, 130});
  ASSERT_NE(Surface()->m_pEdit, nullptr);
  EXPECT_FALSE(Surface()->m_bNewText);
  Surface()->CancelTextEdit();
}

// A text under edit that a peer deletes, or that goes with the closed board, closes its edit:
// closing it later must not write into the deleted object.
TEST_F(SurfaceSelect, ATextUnderEditThatGoesAwayClosesItsEdit) {
  for (bool boardClosed : {false, true}) {
    OpenPage(1);
    UseTool(kToolText);
    Drag({100, 100}, {300, 160});
    user::Type(Surface()->m_pEdit->m_hWnd, "abc");
    Click({400, 300});
    UseTool(kToolSelect);
    DragSelected({150, 130}, {150, 130});
    DragSelected({150, 130}, {150, 130});
    ASSERT_NE(Surface()->m_pEdit, nullptr);
    // The peer's deletion of the text; or the server's end of the board, delivered as method 3.
    Board()->SendStroke(Strokes()[0]);
    Receive(Relayed(Sent().back(), boardClosed ? DWORD{WB_RECV_BOARD_END} : DWORD{0}));
    EXPECT_EQ(Surface()->m_pEdit, nullptr) << boardClosed;
    EXPECT_EQ(Surface()->m_pEditText, nullptr) << boardClosed;
    EXPECT_FALSE(Surface()->EndTextEdit()) << boardClosed;
  }
}

TEST_F(SurfaceSelect, ALaserPointerReplacesTheLastOne) {
  UseTool(kToolLaser);
  Click({100, 100});
  const WbImagePayload* first = LastPayload<WbImagePayload>();
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first->pszData, "laser.bmp");
  EXPECT_STREQ(first->szX, "100");
  std::string firstId = first->head.szID;
  EXPECT_EQ(firstId.substr(0, 6), "laser:");

  Click({200, 150});
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 3u);
  DWORD deletion = sent[1]->head.op, addition = sent[2]->head.op;
  EXPECT_EQ(deletion, 9u);
  EXPECT_EQ(std::string(wbtest::FirstPayload<WbShapePayload>(sent[1])->szID), firstId);
  EXPECT_EQ(addition, 7u);
  ASSERT_EQ(Strokes().size(), 1u);
  EXPECT_NE(dynamic_cast<CStrokeLaser*>(Strokes()[0]), nullptr);
}

TEST_F(SurfaceSelect, ClickingOnALaserSelectsTheObjectUnderIt) {
  CStrokeBase* block = DrawBlock();
  UseTool(kToolLaser);
  Click({120, 110});
  ASSERT_EQ(Strokes().size(), 2u);
  UseTool(kToolSelect);
  DragSelected({125, 115}, {125, 115});
  EXPECT_EQ(Surface()->m_pSelected, block);
}

TEST_F(SurfaceSelect, TheHandPointerCanOnlyBeMoved) {
  UseTool(kToolHand);
  Click({100, 100});
  EXPECT_STREQ(LastPayload<WbImagePayload>()->pszData, "Hand.bmp");
  CStrokeBase* hand = Strokes().back();
  UseTool(kToolSelect);
  RECT box = hand->GetTracker()->m_rect;
  DragSelected({box.left + 2, box.top + 2}, {box.left + 2, box.top + 2});
  EXPECT_EQ(Surface()->m_pSelected, hand);
  EXPECT_EQ(Surface()->m_tracker.m_nHandleSize, 0);
  EXPECT_FALSE(Surface()->m_tracker.m_nStyle & CRectTracker::resizeOutside);
}

}  // namespace
}  // namespace surftest
