// The shared-document surface and its window: records to the document-share sub-conference
// (nConfType 0, the share header), received records without a page filter, the object menu,
// and the window's screening of received records.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "confwindow/DlgDataConf.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "tests/whiteboard_surface/SisterBoardFixture.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokePolyline.h"
#include "whiteboard/model/StrokeSolidRectangle.h"
#include "whiteboard/surface/LineWidthListBox.h"
#include "whiteboard/surface/ShareDrawContentDlg.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace surftest {
namespace {

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

constexpr int kDocShareSubConf = 61;

class ShareSurface : public SisterBoardTest {
 protected:
  void SetUp() override {
    SisterBoardTest::SetUp();
    CDlgDataConf* conf = StartConference();
    conf->SetSubConf(kSubConfDocShare, TRUE, kDocShareSubConf);
    conf->SetSubConf(kSubConfWhiteboard, TRUE, (int)kWhiteboardSubConf);
    board_.reset(new CDlgDFShareWhiteBoard());
    ASSERT_TRUE(board_->CreateBoard(nullptr));
    board_->ShowWindow(SW_SHOW);
    ReceivedRecord first(WB_RECV_PAGE_CONTENT, 1, WB_PAGEOP_PAGE_CONTENT, nullptr, 3);
    board_->DispatchBoardRecord(&first.header);
    ASSERT_NE(Surface()->m_pCurPage, nullptr);
  }
  void TearDown() override {
    board_.reset();
    SisterBoardTest::TearDown();
  }
  CShareDrawContentDlg* Surface() { return board_->GetSurface(); }
  static void ExpectShareHeader(const WbMsgHeader* header) {
    DWORD subConf = header->head.nSubConfID;
    EXPECT_STREQ(header->head.szSessionURI, "sip:conf001@ims.example.cn");
    EXPECT_STREQ(header->head.szDConfID, "dconf-77");
    EXPECT_EQ(subConf, (DWORD)kDocShareSubConf);
  }
  CStrokeBase* DrawSolidRectangle() {
    Surface()->m_nTool = kToolSolidRectangle;
    Drag(Surface(), {100, 100}, {200, 160});
    return Strokes(Surface()).back();
  }
  // Right-clicks at `at` with the select tool; `inMenu` acts while the menu is up.
  void RightClick(POINT at, std::function<void(const platform::MenuRecord*)> inMenu) {
    Surface()->m_nTool = kToolSelect;
    OnceInModal(ModalKind::Menu, [inMenu](const ModalState&) { inMenu(platform::Menus::Current()); });
    user::MouseDown(Surface()->m_hWnd, at, true);
    user::MouseUp(Surface()->m_hWnd, at, true);
  }

  std::unique_ptr<CDlgDFShareWhiteBoard> board_;
};

TEST_F(ShareSurface, ALineGoesToTheDocumentShareSubConference) {
  Surface()->m_nTool = kToolLine;
  Drag(Surface(), {100, 50}, {300, 200});
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u) << Traffic();
  ExpectShareHeader(sent[0]);
  EXPECT_TRUE(board_->m_bContentChanged);
  EXPECT_EQ(Strokes(Surface())[0]->m_pOwner, nullptr);
}

TEST_F(ShareSurface, NothingLeavesWithoutAConference) {
  Module()->m_pDlgDataConf->EndConference();
  Surface()->m_nTool = kToolLine;
  Drag(Surface(), {100, 50}, {300, 200});
  EXPECT_EQ(Strokes(Surface()).size(), 1u);
  EXPECT_TRUE(Sent().empty()) << Traffic();
}

TEST_F(ShareSurface, ReceivedObjectsReachAnyPageAndPageRecordsAreLeftAlone) {
  CStrokePage* shown = Surface()->m_pCurPage;
  ReceivedRecord newPage(WB_RECV_PAGE_ADD, 2, WB_PAGEOP_NEW_PAGE, nullptr);
  board_->DispatchBoardRecord(&newPage.header);
  EXPECT_EQ(Surface()->m_pCurPage, shown);
  EXPECT_EQ(Surface()->m_nCurPageNo, 1);

  // One page: every page number names it.
  LinePayload line;
  ReceivedRecord add(WB_RECV_OBJECT_ADD, 3, WB_PAGEOP_OBJECT, &line.line);
  board_->DispatchBoardRecord(&add.header);
  EXPECT_EQ(Strokes(Surface()).size(), 1u);
  EXPECT_TRUE(board_->m_bContentChanged);
}

TEST_F(ShareSurface, TheWindowScreensRecordsAndShowsTheRemotePages) {
  ReceivedRecord content(WB_RECV_PAGE_CONTENT, 2, WB_PAGEOP_PAGE_CONTENT, nullptr, 5);
  board_->DispatchBoardRecord(&content.header);
  EXPECT_EQ(Surface()->m_nRemotePageCount, 5);
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  CString text;
  board_->GetDlgItemText(IDC_WB_PAGE_COUNT, text);
  EXPECT_STREQ(text, "5");
  board_->GetDlgItemText(IDC_WB_PAGE_NO, text);
  EXPECT_STREQ(text, "2");

  // A synchronisation request without payload is dropped: nothing answers it.
  ReceivedRecord sync(WB_RECV_BOARD_SYNC, 2, WB_PAGEOP_OBJECT, nullptr);
  board_->DispatchBoardRecord(&sync.header);
  EXPECT_TRUE(Sent().empty()) << Traffic();

  // With the control right the page controls follow the local user.
  board_->m_bHasControlRight = TRUE;
  ReceivedRecord next(WB_RECV_PAGE_CONTENT, 4, WB_PAGEOP_PAGE_CONTENT, nullptr, 6);
  board_->DispatchBoardRecord(&next.header);
  board_->GetDlgItemText(IDC_WB_PAGE_COUNT, text);
  EXPECT_STREQ(text, "5");
  EXPECT_EQ(Surface()->m_nRemotePageCount, 6);
}

TEST_F(ShareSurface, TheObjectMenuOffersWhatTheObjectTakes) {
  DrawSolidRectangle();
  RightClick({150, 130}, [](const platform::MenuRecord* menu) {
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->Find(ID_WB_SHARE_LINE_WIDTH)->state & MF_GRAYED);
    EXPECT_TRUE(menu->Find(ID_WB_SHARE_EDIT_TEXT)->state & MF_GRAYED);
    EXPECT_FALSE(menu->Find(ID_WB_SHARE_COLOR)->state & MF_GRAYED);
    platform::Menus::Choose(0);
  });
  Surface()->m_nTool = kToolLine;
  Drag(Surface(), {300, 50}, {380, 60});
  RightClick({340, 55}, [](const platform::MenuRecord* menu) {
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->Find(ID_WB_SHARE_LINE_WIDTH)->state & MF_GRAYED);
    platform::Menus::Choose(0);
  });
}

TEST_F(ShareSurface, RecolouringAFilledObjectSendsItsFillColour) {
  CStrokeBase* block = DrawSolidRectangle();
  size_t before = Sent().size();
  // The menu's command opens the colour dialog: one hook answers both.
  bool menuDone = false, dialogDone = false, slotHeld = false;
  platform::Desktop::SetModalHook([&](const ModalState& state) {
    if (state.kind == ModalKind::Menu && !menuDone) {
      menuDone = true;
      platform::Menus::Choose(ID_WB_SHARE_COLOR);
    } else if (state.kind == ModalKind::Dialog && !dialogDone) {
      dialogDone = true;
      auto* dialog = static_cast<CColorDialog*>(CWnd::FromHandlePermanent(state.window));
      slotHeld = Module()->m_pActiveCommonDlg == dialog;
      dialog->SetCurrentColor(kBlue);
      dialog->EndDialog(IDOK);
    }
  });
  Surface()->m_nTool = kToolSelect;
  user::MouseDown(Surface()->m_hWnd, {150, 130}, true);
  user::MouseUp(Surface()->m_hWnd, {150, 130}, true);
  platform::Desktop::SetModalHook(nullptr);
  EXPECT_TRUE(dialogDone);
  EXPECT_TRUE(slotHeld);
  EXPECT_EQ(block->m_crColor, kBlue);
  EXPECT_EQ(Module()->m_pActiveCommonDlg, nullptr);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1) << Traffic();
  ExpectShareHeader(sent.back());
  const WbRectPayload* rect = wbtest::FirstPayload<WbRectPayload>(sent.back());
  ASSERT_NE(rect, nullptr);
  EXPECT_STREQ(rect->pStyle->szFillColor, "16711680");
}

TEST_F(ShareSurface, ABoardClosedWhileTheColourDialogIsUpIsLeftAlone) {
  DrawSolidRectangle();
  size_t before = Sent().size();
  bool menuDone = false, dialogDone = false;
  platform::Desktop::SetModalHook([&](const ModalState& state) {
    if (state.kind == ModalKind::Menu && !menuDone) {
      menuDone = true;
      platform::Menus::Choose(ID_WB_SHARE_COLOR);
    } else if (state.kind == ModalKind::Dialog && !dialogDone) {
      dialogDone = true;
      ReceivedRecord end(WB_RECV_BOARD_END, 1, WB_PAGEOP_OBJECT, nullptr);
      board_->DispatchBoardRecord(&end.header);
      auto* dialog = static_cast<CColorDialog*>(CWnd::FromHandlePermanent(state.window));
      dialog->SetCurrentColor(kBlue);
      dialog->EndDialog(IDOK);
    }
  });
  Surface()->m_nTool = kToolSelect;
  user::MouseDown(Surface()->m_hWnd, {150, 130}, true);
  user::MouseUp(Surface()->m_hWnd, {150, 130}, true);
  platform::Desktop::SetModalHook(nullptr);
  EXPECT_TRUE(dialogDone);
  EXPECT_EQ(Surface()->m_pCurPage, nullptr);
  EXPECT_EQ(Sent().size(), before) << Traffic();
}

// The host closes the module while a dialog of the object menu runs; the user then answers it:
// the object takes the change locally, nothing is sent once the module is closing.
TEST_F(ShareSurface, AModuleClosedInsideTheObjectMenusDialogsSendsNothing) {
  Surface()->m_nTool = kToolRectangle;
  Drag(Surface(), {100, 100}, {200, 160});
  CStrokeBase* box = Strokes(Surface()).back();
  struct Case {
    UINT command;
    std::function<void(CDialog*)> answer;
  };
  const Case cases[] = {
      {ID_WB_SHARE_COLOR, [](CDialog* d) { static_cast<CColorDialog*>(d)->SetCurrentColor(kBlue); }},
      {ID_WB_SHARE_LINE_WIDTH, [](CDialog* d) { static_cast<CLineWidthDlg*>(d)->m_nWidth = 5; }},
  };
  size_t before = Sent().size();
  bool closed = false;
  for (const Case& c : cases) {
    bool menuDone = false, dialogDone = false;
    platform::Desktop::SetModalHook([&](const ModalState& state) {
      if (state.kind == ModalKind::Menu && !menuDone) {
        menuDone = true;
        platform::Menus::Choose(c.command);
      } else if (state.kind == ModalKind::Dialog && !dialogDone) {
        dialogDone = true;
        if (!closed) Module()->Close();
        closed = true;
        auto* dialog = static_cast<CDialog*>(CWnd::FromHandlePermanent(state.window));
        c.answer(dialog);
        dialog->EndDialog(IDOK);
      }
    });
    Surface()->m_nTool = kToolSelect;
    user::MouseDown(Surface()->m_hWnd, {100, 130}, true);
    user::MouseUp(Surface()->m_hWnd, {100, 130}, true);
    platform::Desktop::SetModalHook(nullptr);
    EXPECT_TRUE(dialogDone) << c.command;
  }
  EXPECT_EQ(box->m_crColor, kBlue);
  EXPECT_EQ(box->m_nPenWidth, 5);
  EXPECT_EQ(Sent().size(), before) << Traffic();
  EXPECT_EQ(Module()->m_pActiveCommonDlg, nullptr);
}

TEST_F(ShareSurface, DeletingFromTheMenuSendsTheShareDeletion) {
  CStrokeBase* block = DrawSolidRectangle();
  CString id = block->m_szID;
  RightClick({150, 130}, [](const platform::MenuRecord*) { platform::Menus::Choose(ID_WB_SHARE_DELETE); });
  EXPECT_TRUE(Strokes(Surface()).empty());
  const WbMsgHeader* last = Sent().back();
  DWORD type = last->head.op;
  EXPECT_EQ(type, (DWORD)WB_MSG_OBJECT_DELETE);
  ExpectShareHeader(last);
  EXPECT_STREQ(wbtest::FirstPayload<WbShapePayload>(last)->szID, id);
}

TEST_F(ShareSurface, AClosedBoardLosesItsPagesAndHides) {
  ReceivedRecord closed(WB_RECV_BOARD_END, 1, WB_PAGEOP_OBJECT, nullptr);
  board_->DispatchBoardRecord(&closed.header);
  EXPECT_TRUE(Surface()->m_listPages.IsEmpty());
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(0, 0));
  EXPECT_FALSE(board_->IsWindowVisible());
}

TEST_F(ShareSurface, ResizingWithoutAPageFollowsTheCanvasKeptHere) {
  Surface()->ResetBoard();
  Surface()->SetCanvasSize(1600, 1200);
  Surface()->MoveWindow(0, 0, 300, 200);
  EXPECT_TRUE(Surface()->GetStyle() & WS_HSCROLL);
  Surface()->SetCanvasSize(0, 0);
  Surface()->MoveWindow(0, 0, 320, 220);
  EXPECT_FALSE(Surface()->GetStyle() & WS_HSCROLL);
}

}  // namespace
}  // namespace surftest
