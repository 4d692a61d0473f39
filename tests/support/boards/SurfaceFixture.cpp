#include "tests/support/boards/SurfaceFixture.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "confwindow/DlgDataConf.h"
#include "host/relay/WbRelay.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "protocol/ConfCtrlResult.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/surface/LineWidthListBox.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {

ReceivedRecord::ReceivedRecord(DWORD method, int page, int op, void* payload, int pageCount) {
  header.head.op = method;
  // The head a conference whiteboard writes: its sub-conference's id text and number.
  snprintf(header.head.szDConfID, sizeof(header.head.szDConfID), "%d", kWhiteboardSubConf);
  header.head.nSubConfID = kWhiteboardSubConf;
  header.nValue = pageCount;
  header.pPageOp = &pageOp;
  pageOp.nPage = page;
  pageOp.nOp = op;
  pageOp.pList = payload ? &node : nullptr;
  node.pItem = payload;
}

void SurfaceTest::SetUp() {
  ModuleTest::SetUp();
  VzData().csAppPath = TAV_APP_PICTURES_DIR;
  // The conference window opens the board: the answer to our create request names the
  // whiteboard among the conference's types.
  const std::string subConf = std::to_string(kWhiteboardSubConf);
  ASSERT_EQ(1, DeliverConfResult(kDetailCreate, kConfURI, kSubConfWhiteboard, kConfResultOK, subConf.c_str()));
  CDlgDataConf* conf = Module()->m_pDlgDataConf;
  board_ = conf ? conf->GetWhiteBoard() : nullptr;
  ASSERT_NE(board_, nullptr);
  ASSERT_NE(board_->GetSurface(), nullptr);
  openingSent_ = wbtest::SentWbMessages(Host()).size();
}

std::vector<const WbMsgHeader*> SurfaceTest::Sent() {
  std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
  sent.erase(sent.begin(), sent.begin() + std::min(openingSent_, sent.size()));
  sent.erase(std::remove_if(sent.begin(), sent.end(), [this](const WbMsgHeader* m) { return memberSent_.count(m); }),
             sent.end());
  return sent;
}

int SurfaceTest::Receive(ReceivedRecord& record) {
  HostRecordBlock block = {1, &record.header, 0};
  return Deliver(kModuleDataConfRecord, block);
}

WbRecvMsgHeader* SurfaceTest::Relayed(const WbMsgHeader* sent, DWORD method) {
  return static_cast<WbRecvMsgHeader*>(
      host::UnpackReceivedWbMessage(host::PackWbMessage(sent), relayed_, nullptr, method));
}

int SurfaceTest::Receive(WbRecvMsgHeader* record) {
  HostRecordBlock block = {1, record, 0};
  return Deliver(kModuleDataConfRecord, block);
}

void SurfaceTest::OpenPage(int page) {
  if (!Surface()->m_listPages.IsEmpty()) EndBoard();
  ASSERT_EQ(Receive(Relayed(MemberNewPage(page))), 1);
}

void SurfaceTest::TearDown() {
  member_.reset();
  ModuleTest::TearDown();
}

CDlgDFWhiteBoard* SurfaceTest::Member() {
  if (!member_) {
    member_.reset(new CDlgDFWhiteBoard());
    EXPECT_TRUE(member_->CreateBoard(nullptr));
    // Beside ours, so that each board's mouse reaches its own surface.
    CRect r;
    board_->GetWindowRect(&r);
    member_->MoveWindow(r.right + 20, r.top, r.Width(), r.Height());
    MemberSends([](CDlgDFWhiteBoard* member) { member->StartBoard(FALSE); });
  }
  return member_.get();
}

std::vector<const WbMsgHeader*> SurfaceTest::MemberSends(const std::function<void(CDlgDFWhiteBoard*)>& act) {
  CDlgDFWhiteBoard* member = Member();
  size_t before = wbtest::SentWbMessages(Host()).size();
  act(member);
  std::vector<const WbMsgHeader*> sent = wbtest::SentWbMessages(Host());
  sent.erase(sent.begin(), sent.begin() + std::min(before, sent.size()));
  memberSent_.insert(sent.begin(), sent.end());
  return sent;
}

const WbMsgHeader* SurfaceTest::MemberNewPage(int page) {
  std::vector<const WbMsgHeader*> sent = MemberSends([page](CDlgDFWhiteBoard* member) {
    member->ClearBoard();
    for (int i = 0; i < page; ++i) EXPECT_TRUE(platform::user::ClickItem(member->m_hWnd, IDC_WB_NEW_PAGE));
  });
  return sent.empty() ? nullptr : sent.back();
}

// The board takes only records of the page it shows: the member's record names that page.
void SurfaceTest::EndBoard() {
  const WbMsgHeader* sent = MemberNewPage(Surface()->m_nCurPageNo);
  ASSERT_NE(sent, nullptr);
  ASSERT_EQ(Receive(Relayed(sent, WB_RECV_BOARD_END)), 1);
}

void SurfaceTest::MemberTool(int tool) {
  CDlgDFWhiteBoard* member = Member();
  int button = tool == kToolSelect ? IDC_WB_SELECT_TOOL : IDC_WB_TOOL_FIRST + tool;
  if (member->GetSurface()->m_nTool != tool) {
    ASSERT_TRUE(platform::user::ClickItem(member->m_hWnd, button)) << tool;
  }
}

void SurfaceTest::MemberDrag(POINT from, POINT to) {
  HWND surface = Member()->GetSurface()->m_hWnd;
  platform::user::MouseDown(surface, from);
  platform::user::MouseMove(surface, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, true);
  platform::user::MouseMove(surface, to, true);
  platform::user::MouseUp(surface, to);
}

void SurfaceTest::Drag(POINT from, POINT to) {
  HWND surface = SurfaceWnd();
  platform::user::MouseDown(surface, from);
  platform::user::MouseMove(surface, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, true);
  platform::user::MouseMove(surface, to, true);
  platform::user::MouseUp(surface, to);
}

void SurfaceTest::Click(POINT at) {
  platform::user::MouseDown(SurfaceWnd(), at);
  platform::user::MouseUp(SurfaceWnd(), at);
}

void SurfaceTest::ChooseTool(int tool) {
  // The current tool's button is disabled.
  int button = tool == kToolSelect ? IDC_WB_SELECT_TOOL : IDC_WB_TOOL_FIRST + tool;
  if (Surface()->m_nTool != tool) {
    ASSERT_TRUE(platform::user::ClickItem(board_->m_hWnd, button)) << tool;
  }
  ASSERT_EQ(Surface()->m_nTool, tool);
}

void SurfaceTest::UseTool(int tool, COLORREF color, int width) {
  ChooseTool(tool);
  PickColor(color);
  PickWidth(width);
}

void SurfaceTest::PickColor(COLORREF color) {
  CColorBarDlg* bar = board_->GetColorBar();
  ASSERT_NE(bar, nullptr);
  CStrokeBase* selected = Surface()->m_pSelected;
  ASSERT_FALSE(Surface()->IsSelectedOnPage(selected) && selected->m_bSelected)
      << "a swatch click would recolour the selected object: deselect first";
  for (const CColorSwatchButton& swatch : bar->m_aSwatches) {
    if (swatch.m_crColor == color) {
      ASSERT_TRUE(platform::user::Click(swatch.m_hWnd)) << std::hex << color;
      return;
    }
  }
  // A colour the palette lacks: the user redefines a swatch with the colour dialog.
  OnceInModal(platform::ModalKind::Dialog, [color](const platform::ModalState& state) {
    static_cast<CColorDialog*>(CWnd::FromHandlePermanent(state.window))->SetCurrentColor(color);
    EXPECT_TRUE(platform::user::ClickItem(state.window, IDOK));
  });
  platform::user::DoubleClick(::GetDlgItem(bar->m_hWnd, kRedefinedSwatch), POINT{3, 3});
}

void SurfaceTest::PickWidth(int width) {
  const int* offered = std::find(std::begin(kLineWidths), std::end(kLineWidths), width);
  ASSERT_NE(offered, std::end(kLineWidths)) << "the width list offers no width " << width;
  int item = (int)(offered - std::begin(kLineWidths));
  ASSERT_TRUE(platform::user::ChooseListItem(board_->m_listLineWidth.m_hWnd, item)) << width;
}

void SurfaceTest::SelectAt(POINT at) {
  ChooseTool(kToolSelect);
  HWND surface = SurfaceWnd();
  OnceInModal(platform::ModalKind::Tracker, [surface, at](const platform::ModalState&) {
    platform::user::MouseUp(surface, at);
  });
  Click(at);
}

std::vector<CStrokeBase*> SurfaceTest::Strokes() {
  std::vector<CStrokeBase*> strokes;
  CStrokePage* page = Surface()->m_pCurPage;
  if (!page) return strokes;
  for (POSITION pos = page->m_listStroke.GetHeadPosition(); pos;)
    strokes.push_back(static_cast<CStrokeBase*>(page->m_listStroke.GetNext(pos)));
  return strokes;
}

void SurfaceTest::Paint() { Surface()->SendMessage(WM_PAINT); }

COLORREF SurfaceTest::Pixel(int x, int y) { return platform::WindowPixel(SurfaceWnd(), x, y); }

}  // namespace surftest
