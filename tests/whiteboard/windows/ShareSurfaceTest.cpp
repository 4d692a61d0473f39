// The shared-document surface and its window: records to the document-share sub-conference
// (nConfType 0, the share header), received records without a page filter, the object menu,
// the window's screening of received records and the control right that the host gives.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "confwindow/DlgDataConf.h"
#include "host/relay/WbRelay.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "protocol/ConfCtrlRight.h"
#include "tests/support/boards/SisterBoardFixture.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/surface/LineWidthListBox.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/ShareDrawContentDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {
namespace {

namespace user = platform::user;
using platform::ModalKind;
using platform::ModalState;

constexpr char kDocShareSubConf[] = "61";
constexpr char kMe[] = "sip:13700000001@ims.example.cn";
constexpr char kOther[] = "sip:13700000002@ims.example.cn";

// The board that the conference window opened for a joined conference with document share.
class ShareSurface : public SisterBoardTest {
 protected:
  void SetUp() override {
    SisterBoardTest::SetUp();
    VzData().myInfo.csSipURI = kMe;
    JoinConference(kConfURI, 0, 0, kSubConfDocShare, kDocShareSubConf);
    board_ = Module()->m_pDlgDataConf->GetShareWhiteBoard();
    ASSERT_NE(board_, nullptr);
    ASSERT_NE(Surface()->m_pCurPage, nullptr);
  }
  CShareDrawContentDlg* Surface() { return board_->GetSurface(); }
  static void ExpectShareHeader(const WbMsgHeader* header) {
    DWORD subConf = header->head.nSubConfID;
    EXPECT_STREQ(header->head.szSessionURI, kConfURI);
    EXPECT_STREQ(header->head.szDConfID, "dconf-77");
    EXPECT_EQ(subConf, 61u);
  }
  // Chooses a tool with its button (the current tool's button is disabled).
  void ChooseTool(int tool) {
    if (Surface()->m_nTool == tool) return;
    int button = tool == kToolSelect ? IDC_WB_SELECT_TOOL : IDC_WB_TOOL_FIRST + tool;
    ASSERT_TRUE(user::ClickItem(board_->m_hWnd, button)) << tool;
  }
  CStrokeBase* DrawSolidRectangle() {
    ChooseTool(kToolSolidRectangle);
    Drag(Surface(), {100, 100}, {200, 160});
    return Strokes(Surface()).back();
  }
  // Right-clicks at `at` with the select tool; `inMenu` acts while the menu is up.
  void RightClick(POINT at, std::function<void(const platform::MenuRecord*)> inMenu) {
    ChooseTool(kToolSelect);
    OnceInModal(ModalKind::Menu, [inMenu](const ModalState&) { inMenu(platform::Menus::Current()); });
    user::MouseDown(Surface()->m_hWnd, at, true);
    user::MouseUp(Surface()->m_hWnd, at, true);
  }
  // A message this board sent, as the relay delivers it to a member's module (the host's code
  // 8); method, when not 0, is the received method the server gives it.
  int Receive(const WbMsgHeader* sent, DWORD method = 0) {
    if (!sent) {
      ADD_FAILURE() << "the board sent nothing";
      return 0;
    }
    HostRecordBlock block{1, host::UnpackReceivedWbMessage(host::PackWbMessage(sent), relayed_, nullptr, method), 0};
    return Deliver(kModuleDataConfRecord, block);
  }
  // The board's own page content as it sends it, for a member whose board has `pages` pages
  // and shows page `page`.
  const WbMsgHeader* PageContent(int page, int pages) {
    size_t before = Sent().size();
    board_->SendPageContent(1);
    if (Sent().size() == before) return nullptr;
    WbMsgHeader* sent = const_cast<WbMsgHeader*>(Sent().back());
    sent->nValue = pages;
    sent->pPageOp->nPage = page;
    return sent;
  }
  // The host's conference event 6: the document-share control right given to or taken from
  // member.
  int ControlRight(int detail, const char* member) {
    confCtrlRight event{};
    event.detailType = detail;
    strncpy(event.szConfURI, kConfURI, sizeof event.szConfURI - 1);
    strncpy(event.szMemberURI, member, sizeof event.szMemberURI - 1);
    strncpy(event.szFeature, kFeatureDocShare, sizeof event.szFeature - 1);
    HostRecordBlock block{6, &event, 0};
    return Deliver(kModuleConfEvent, block);
  }
  CString PageControl(int id) {
    CString text;
    board_->GetDlgItemText(id, text);
    return text;
  }

  CDlgDFShareWhiteBoard* board_ = nullptr;
  host::BlockArena relayed_;
};

TEST_F(ShareSurface, ALineGoesToTheDocumentShareSubConference) {
  ChooseTool(kToolLine);
  Drag(Surface(), {100, 50}, {300, 200});
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), 1u) << Traffic();
  ExpectShareHeader(sent[0]);
  EXPECT_TRUE(board_->m_bContentChanged);
}

TEST_F(ShareSurface, ReceivedObjectsReachAnyPageAndPageRecordsAreLeftAlone) {
  // A member's new page changes nothing here.
  CStrokePage* shown = Surface()->m_pCurPage;
  EXPECT_EQ(Receive(PageContent(2, 2), WB_RECV_PAGE_ADD), 1);
  EXPECT_EQ(Surface()->m_pCurPage, shown);
  EXPECT_EQ(Surface()->m_nCurPageNo, 1);
  EXPECT_FALSE(board_->m_bContentChanged);

  ChooseTool(kToolLine);
  Drag(Surface(), {100, 50}, {300, 200});
  WbMsgHeader* line = const_cast<WbMsgHeader*>(Sent().back());
  RightClick({200, 125}, [](const platform::MenuRecord*) { platform::Menus::Choose(ID_WB_SHARE_DELETE); });
  ASSERT_TRUE(Strokes(Surface()).empty());

  // One page: every page number names it (the member draws on its page 3).
  line->pPageOp->nPage = 3;
  EXPECT_EQ(Receive(line), 1);
  EXPECT_EQ(Strokes(Surface()).size(), 1u);
}

TEST_F(ShareSurface, ThePageControlsShowTheRemotePagesUnlessThisMemberHoldsTheControlRight) {
  Receive(PageContent(2, 5));
  EXPECT_EQ(Surface()->m_nRemotePageCount, 5);
  EXPECT_EQ(Surface()->m_nCurPageNo, 2);
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_COUNT), "5");
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_NO), "2");

  // A synchronisation request without payload is dropped: nothing answers it.
  board_->RequestBoardContent();
  size_t before = Sent().size();
  Receive(Sent().back());
  EXPECT_EQ(Sent().size(), before) << Traffic();

  // The host gives this member the control right: the page controls follow the local user.
  EXPECT_EQ(ControlRight(kCtrlRightGiven, kMe), 1);
  Receive(PageContent(4, 6));
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_COUNT), "5");
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_NO), "2");
  EXPECT_EQ(Surface()->m_nRemotePageCount, 6);

  // Another member's right taken back leaves ours; the right given to another member ends it.
  ControlRight(kCtrlRightTaken, kOther);
  Receive(PageContent(3, 6));
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_NO), "2");
  ControlRight(kCtrlRightGiven, kOther);
  Receive(PageContent(3, 7));
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_COUNT), "7");
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_NO), "3");

  // Ours taken back: the remote pages show again.
  ControlRight(kCtrlRightGiven, kMe);
  ControlRight(kCtrlRightTaken, kMe);
  Receive(PageContent(5, 8));
  EXPECT_STREQ(PageControl(IDC_WB_PAGE_COUNT), "8");
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
  ChooseTool(kToolLine);
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
  ChooseTool(kToolSelect);
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

// The user picks a width in the line-width dialog's list: the object takes it and its change
// goes to the members.
TEST_F(ShareSurface, AWidthPickedInTheLineWidthDialogIsSent) {
  ChooseTool(kToolRectangle);
  Drag(Surface(), {100, 100}, {200, 160});
  CStrokeBase* box = Strokes(Surface()).back();
  size_t before = Sent().size();
  bool menuDone = false, dialogDone = false;
  platform::Desktop::SetModalHook([&](const ModalState& state) {
    if (state.kind == ModalKind::Menu && !menuDone) {
      menuDone = true;
      platform::Menus::Choose(ID_WB_SHARE_LINE_WIDTH);
    } else if (state.kind == ModalKind::Dialog && !dialogDone) {
      dialogDone = true;
      auto* dialog = static_cast<CLineWidthDlg*>(CWnd::FromHandlePermanent(state.window));
      EXPECT_TRUE(user::ChooseListItem(dialog->m_listWidth.m_hWnd, 2));
      EXPECT_TRUE(user::ClickItem(dialog->m_hWnd, IDOK));
    }
  });
  ChooseTool(kToolSelect);
  user::MouseDown(Surface()->m_hWnd, {100, 130}, true);
  user::MouseUp(Surface()->m_hWnd, {100, 130}, true);
  platform::Desktop::SetModalHook(nullptr);
  EXPECT_TRUE(dialogDone);
  EXPECT_EQ(box->m_nPenWidth, 8);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1) << Traffic();
  ExpectShareHeader(sent.back());
  const WbRectPayload* rect = wbtest::FirstPayload<WbRectPayload>(sent.back());
  ASSERT_NE(rect, nullptr);
  int32_t width = rect->pStyle->nPenWidth;
  EXPECT_EQ(width, 8);
}

TEST_F(ShareSurface, ABoardClosedWhileTheColourDialogIsUpIsLeftAlone) {
  DrawSolidRectangle();
  // The server ends the board: a board's message without page part, delivered as method 3.
  board_->RequestBoardContent();
  const WbMsgHeader* request = Sent().back();
  size_t before = Sent().size();
  bool menuDone = false, dialogDone = false;
  platform::Desktop::SetModalHook([&](const ModalState& state) {
    if (state.kind == ModalKind::Menu && !menuDone) {
      menuDone = true;
      platform::Menus::Choose(ID_WB_SHARE_COLOR);
    } else if (state.kind == ModalKind::Dialog && !dialogDone) {
      dialogDone = true;
      Receive(request, WB_RECV_BOARD_END);
      auto* dialog = static_cast<CColorDialog*>(CWnd::FromHandlePermanent(state.window));
      dialog->SetCurrentColor(kBlue);
      dialog->EndDialog(IDOK);
    }
  });
  ChooseTool(kToolSelect);
  user::MouseDown(Surface()->m_hWnd, {150, 130}, true);
  user::MouseUp(Surface()->m_hWnd, {150, 130}, true);
  platform::Desktop::SetModalHook(nullptr);
  EXPECT_TRUE(dialogDone);
  EXPECT_EQ(Surface()->m_pCurPage, nullptr);
  EXPECT_EQ(Sent().size(), before) << Traffic();
}

// The host closes the module while a dialog of the object menu runs, the user's choice made:
// the board and its dialog go with the conference window, and nothing is sent.
class ShareSurfaceClosing : public ShareSurface, public testing::WithParamInterface<UINT> {};

TEST_P(ShareSurfaceClosing, AModuleClosedInsideAnObjectMenuDialogSendsNothing) {
  const UINT command = GetParam();
  ChooseTool(kToolRectangle);
  Drag(Surface(), {100, 100}, {200, 160});
  size_t before = Sent().size();
  bool menuDone = false, dialogDone = false;
  platform::Desktop::SetModalHook([&](const ModalState& state) {
    if (state.kind == ModalKind::Menu && !menuDone) {
      menuDone = true;
      platform::Menus::Choose(command);
    } else if (state.kind == ModalKind::Dialog && !dialogDone) {
      dialogDone = true;
      auto* dialog = static_cast<CDialog*>(CWnd::FromHandlePermanent(state.window));
      if (command == ID_WB_SHARE_COLOR) static_cast<CColorDialog*>(dialog)->SetCurrentColor(kBlue);
      else EXPECT_TRUE(user::ChooseListItem(static_cast<CLineWidthDlg*>(dialog)->m_listWidth.m_hWnd, 2));
      Module()->Close();
      // The dialog goes with the board's window; the user's choice is not applied.
      EXPECT_FALSE(::IsWindow(state.window));
      if (::IsWindow(state.window)) dialog->EndDialog(IDOK);
    }
  });
  ChooseTool(kToolSelect);
  HWND surface = Surface()->m_hWnd;
  user::MouseDown(surface, {100, 130}, true);
  user::MouseUp(surface, {100, 130}, true);
  platform::Desktop::SetModalHook(nullptr);
  EXPECT_TRUE(dialogDone);
  EXPECT_FALSE(::IsWindow(surface));
  EXPECT_EQ(Sent().size(), before) << Traffic();
  EXPECT_EQ(Module()->m_pActiveCommonDlg, nullptr);
}

INSTANTIATE_TEST_SUITE_P(ColourAndLineWidth, ShareSurfaceClosing,
                         testing::Values((UINT)ID_WB_SHARE_COLOR, (UINT)ID_WB_SHARE_LINE_WIDTH));

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

// A laser pointer only points: closing the board right after it asks nothing about saving.
TEST_F(ShareSurface, ALaserClickLeavesNothingToSave) {
  ChooseTool(kToolLaser);
  Click(Surface(), {200, 150});
  ASSERT_EQ(Strokes(Surface()).size(), 1u);
  EXPECT_EQ(Sent().back()->head.op, (DWORD)WB_MSG_OBJECT_ADD) << Traffic();
  size_t boxes = MessageBoxesShown().size();
  ASSERT_TRUE(user::CloseWindow(board_->m_hWnd));
  EXPECT_EQ(MessageBoxesShown().size(), boxes);
  EXPECT_FALSE(board_->IsWindowVisible());
}

// A right click on empty canvas leaves the selected object marked: its frame still shows after
// the next paint.
TEST_F(ShareSurface, ARightClickOnNoObjectKeepsTheSelection) {
  DrawSolidRectangle();
  SelectAt(board_, Surface(), {150, 130});
  user::MouseDown(Surface()->m_hWnd, {400, 300}, true);
  user::MouseUp(Surface()->m_hWnd, {400, 300}, true);
  Surface()->Invalidate(FALSE);
  Surface()->UpdateWindow();
  // The bottom-right resize handle, outside the rectangle.
  EXPECT_NE(platform::WindowPixel(Surface()->m_hWnd, 202, 162), kWhite);
}

// A release on a board without a page leaves the tool as it was (the conference board returns
// to the select tool).
TEST_F(ShareSurface, AReleaseWithoutAPageKeepsTheTool) {
  Receive(PageContent(0, 1));
  ASSERT_TRUE(Surface()->m_listPages.IsEmpty());
  ChooseTool(kToolLine);
  Click(Surface(), {100, 100});
  EXPECT_EQ(Surface()->m_nTool, kToolLine);
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(board_->m_hWnd, IDC_WB_TOOL_FIRST + kToolLine)));
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(board_->m_hWnd, IDC_WB_SELECT_TOOL)));
}

// The method record's drawing form: the text takes the new right and bottom, is drawn into the
// DC given, and its record carries the new size and the page count.
TEST_F(ShareSurface, TheDrawingFormOfTheMethodRecordResizesDrawsAndSends) {
  ChooseTool(kToolText);
  Drag(Surface(), {100, 100}, {200, 130});
  ASSERT_TRUE(user::Type(::GetFocus(), "abc"));
  ChooseTool(kToolSelect);
  Click(Surface(), {500, 300});
  ASSERT_EQ(Strokes(Surface()).size(), 1u);
  CStrokeBase* text = Strokes(Surface())[0];
  CDC dc;
  CBitmap bitmap;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr) && bitmap.CreateCompatibleBitmap(&dc, 400, 300));
  CBitmap* old = dc.SelectObject(&bitmap);
  dc.FillSolidRect(0, 0, 400, 300, kWhite);
  size_t before = Sent().size();
  Surface()->SendStrokeMethod(WB_MSG_OBJECT_CHANGE, 5, text, 300, 180, &dc);
  EXPECT_EQ(CRect(text->GetTracker()->m_rect), CRect(100, 100, 300, 180));
  bool drawn = false;
  for (int y = 100; y < 180 && !drawn; ++y)
    for (int x = 100; x < 300 && !drawn; ++x) drawn = dc.GetPixel(x, y) != kWhite;
  dc.SelectObject(old);
  EXPECT_TRUE(drawn);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1) << Traffic();
  ExpectShareHeader(sent.back());
  int32_t pages = sent.back()->nValue;
  EXPECT_EQ(pages, 1);
  const WbTextPayload* payload = wbtest::FirstPayload<WbTextPayload>(sent.back());
  ASSERT_NE(payload, nullptr);
  EXPECT_STREQ(payload->szWidth, "200");
  EXPECT_STREQ(payload->szHeight, "80");
}

TEST_F(ShareSurface, AClosedBoardLosesItsPagesAndHides) {
  board_->RequestBoardContent();
  Receive(Sent().back(), WB_RECV_BOARD_END);
  EXPECT_TRUE(Surface()->m_listPages.IsEmpty());
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(0, 0));
  EXPECT_FALSE(board_->IsWindowVisible());
}

// A converted document without pages leaves its canvas; a member's page content without a page
// number empties the board and its canvas.
TEST_F(ShareSurface, ResizingWithoutAPageFollowsTheCanvasKeptHere) {
  const WbMsgHeader* noPage = PageContent(0, 1);
  CString doc = board_->WriteXwbDocument();
  int first = doc.Find("<page");
  ASSERT_GT(first, 0);
  doc = doc.Left(first) + "</xwb>";
  ASSERT_TRUE(board_->ReadXwbDocument(doc, doc.GetLength()));
  ASSERT_TRUE(Surface()->m_listPages.IsEmpty());
  Surface()->MoveWindow(0, 0, 300, 200);
  EXPECT_TRUE(Surface()->GetStyle() & WS_HSCROLL);
  Receive(noPage);
  EXPECT_EQ(Surface()->GetCanvasSize(), CSize(0, 0));
  Surface()->MoveWindow(0, 0, 320, 220);
  EXPECT_FALSE(Surface()->GetStyle() & WS_HSCROLL);
}

}  // namespace
}  // namespace surftest
