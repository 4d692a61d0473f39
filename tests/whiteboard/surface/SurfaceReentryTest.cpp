// Objects taken away while something points at them: a host that delivers a peer's record
// while the module is inside its send (as a host that pumps messages there does), and a
// received deletion of the page background.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeDocPage.h"
#include "whiteboard/model/StrokeLaser.h"
#include "whiteboard/model/StrokePage.h"

namespace surftest {
namespace {

using platform::ModalKind;
using platform::ModalState;
namespace user = platform::user;

class SurfaceReentry : public SurfaceTest {
 protected:
  void TearDown() override {
    Host().SetObserver(nullptr);
    SurfaceTest::TearDown();
  }

  // While the module sends a whiteboard message of `type`, the host delivers `record` (once).
  void DeliverDuringSend(DWORD type, WbRecvMsgHeader* record) {
    Host().SetObserver([this, type, record, fired = false](const host::HostEvent& e) mutable {
      if (fired || e.code != kHostDataConfRecord) return;
      const HostMethodBlock* block = e.As<HostMethodBlock>();
      const WbMsgHeader* sent = block ? static_cast<const WbMsgHeader*>(block->pRecord) : nullptr;
      if (!sent || sent->head.op != type) return;
      fired = true;
      Receive(record);
    });
  }

  // Page 2 with the content of the current page, as a board sends it, relayed.
  WbRecvMsgHeader* PeerPage2() {
    Board()->SendPageContent(2);
    return Relayed(Sent().back());
  }

  // A solid rectangle (100,100)-(200,160) drawn and then selected with the mouse.
  CStrokeBase* DrawAndSelectBlock() {
    UseTool(kToolSolidRectangle, kRed);
    Drag({100, 100}, {200, 160});
    UseTool(kToolSelect);
    HWND surface = SurfaceWnd();
    OnceInModal(ModalKind::Tracker, [surface](const ModalState&) { user::MouseUp(surface, {150, 130}); });
    user::MouseDown(surface, {150, 130});
    user::MouseUp(surface, {150, 130});
    return Surface()->m_pSelected;
  }
};

TEST_F(SurfaceReentry, ThePeerDeletingTheObjectBeingDeletedDeletesItOnce) {
  CStrokeBase* block = DrawAndSelectBlock();
  ASSERT_NE(block, nullptr);
  Board()->SendStroke(block);  // the peer's deletion of the same object
  WbRecvMsgHeader* peerDelete = Relayed(Sent().back());
  size_t before = Sent().size();
  DeliverDuringSend(WB_MSG_OBJECT_DELETE, peerDelete);
  ASSERT_TRUE(user::PressDelete());
  EXPECT_TRUE(Strokes().empty());
  EXPECT_EQ(Surface()->m_pSelected, nullptr);
  EXPECT_EQ(Sent().size(), before + 1);
  Paint();
  EXPECT_EQ(Pixel(150, 130), kWhite);
}

TEST_F(SurfaceReentry, ANewPageArrivingWhileATextIsCommittedClosesTheEdit) {
  WbRecvMsgHeader* page2 = PeerPage2();
  UseTool(kToolText);
  Drag({100, 100}, {300, 160});
  ASSERT_NE(Surface()->m_pEdit, nullptr);
  ASSERT_TRUE(user::Type(Surface()->m_pEdit->m_hWnd, "Hello"));
  DeliverDuringSend(WB_MSG_OBJECT_ADD, page2);
  Click({400, 300});  // commits the text, whose record goes out
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_TRUE(Strokes().empty());
  EXPECT_EQ(Surface()->m_pEdit, nullptr);
  EXPECT_EQ(Surface()->m_pEditText, nullptr);
  Click({400, 300});  // nothing left to commit
  EXPECT_TRUE(Strokes().empty());
}

TEST_F(SurfaceReentry, ANewPageArrivingWhileALaserIsReplacedKeepsTheNewLaser) {
  UseTool(kToolLaser);
  Click({100, 100});
  WbRecvMsgHeader* page2 = PeerPage2();  // carries the first laser
  ASSERT_EQ(Strokes().size(), 1u);
  DeliverDuringSend(WB_MSG_OBJECT_DELETE, page2);
  Click({200, 200});  // removes the first laser, sending its deletion, then places a new one
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  std::vector<CStrokeBase*> strokes = Strokes();
  ASSERT_FALSE(strokes.empty());
  CStrokeLaser* laser = dynamic_cast<CStrokeLaser*>(strokes.back());
  ASSERT_NE(laser, nullptr);
  EXPECT_EQ(laser->m_nX, 200);
}

// The background of a document the user opened, deleted by the peer: the page forgets it, and
// the board is saved and read again without it.
TEST_F(SurfaceReentry, AReceivedDeletionOfTheBackgroundLeavesThePageWithout) {
  CStrokePage* page = Surface()->m_pCurPage;
  CStrokeDocPage* background = page->LoadDocPage(CString(TAV_APP_PICTURES_DIR) + "Hand.bmp");
  ASSERT_NE(background, nullptr);
  page->SetDocPage(background);
  page->m_listStroke.AddHead(background);
  CString doc = Surface()->WriteXwbDocument();
  ASSERT_TRUE(Surface()->ReadXwbDocument(doc, doc.GetLength()));
  page = Surface()->m_pCurPage;
  ASSERT_NE(page->m_pDocPage, nullptr);
  Board()->SendStroke(page->m_pDocPage);
  EXPECT_EQ(Receive(Relayed(Sent().back())), 1);
  EXPECT_EQ(page->m_pDocPage, nullptr);
  EXPECT_TRUE(Strokes().empty());
  CString saved = Surface()->WriteXwbDocument();
  EXPECT_EQ(saved.Find("docpage"), -1);
  ASSERT_TRUE(Surface()->ReadXwbDocument(saved, saved.GetLength()));
  EXPECT_EQ(Surface()->m_pCurPage->m_pDocPage, nullptr);
}

TEST_F(SurfaceReentry, PageContentSentFromInsideAPageContentSendArrivesWhole) {
  ASSERT_NE(DrawAndSelectBlock(), nullptr);
  size_t before = Sent().size();
  Host().SetObserver([this, fired = false](const host::HostEvent& e) mutable {
    const HostMethodBlock* block = e.code == kHostDataConfRecord ? e.As<HostMethodBlock>() : nullptr;
    const WbMsgHeader* sent = block ? static_cast<const WbMsgHeader*>(block->pRecord) : nullptr;
    if (fired || !sent || sent->head.op != WB_MSG_PAGE_CONTENT) return;
    fired = true;
    Board()->SendPageContent(1);
  });
  Board()->SendPageContent(1);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 2);
  for (size_t i = before; i < sent.size(); ++i) {
    const WbPageOpRecord* pageOp = Relayed(sent[i])->pPageOp;
    ASSERT_NE(pageOp, nullptr);
    const WbListNode* node = pageOp->pList;
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->pNext, nullptr);
    EXPECT_STREQ(static_cast<const WbShapePayload*>(node->pItem)->szID, Strokes().front()->m_szID);
  }
}

}  // namespace
}  // namespace surftest
