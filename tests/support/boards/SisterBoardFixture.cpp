#include "tests/support/boards/SisterBoardFixture.h"

#include <cstring>

#include "module/TavorineModule.h"
#include "platform/ui/UserInput.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/InviteEvents.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace surftest {

LinePayload::LinePayload(const char* id) {
  line.head.nObjType = WB_OBJ_LINE;
  SetWbText(line.head.szID, id);
  SetWbText(line.szX1, "50");
  SetWbText(line.szY1, "60");
  SetWbText(line.szX2, "250");
  SetWbText(line.szY2, "60");
  SetWbText(style.szPenColor, "255");
  style.nPenWidth = 3;
  line.pStyle = &style;
}

void SisterBoardTest::SetUp() {
  ModuleTest::SetUp();
  VzData().csAppPath = TAV_APP_PICTURES_DIR;
}

void SisterBoardTest::Drag(CDrawSurface* surface, POINT from, POINT to) {
  platform::user::MouseDown(surface->m_hWnd, from);
  platform::user::MouseMove(surface->m_hWnd, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, true);
  platform::user::MouseMove(surface->m_hWnd, to, true);
  platform::user::MouseUp(surface->m_hWnd, to);
}

void SisterBoardTest::Click(CDrawSurface* surface, POINT at) {
  platform::user::MouseDown(surface->m_hWnd, at);
  platform::user::MouseUp(surface->m_hWnd, at);
}

std::vector<CStrokeBase*> SisterBoardTest::Strokes(CDrawSurface* surface) {
  std::vector<CStrokeBase*> strokes;
  CStrokePage* page = surface->m_pCurPage;
  if (!page) return strokes;
  for (POSITION pos = page->m_listStroke.GetHeadPosition(); pos;)
    strokes.push_back(static_cast<CStrokeBase*>(page->m_listStroke.GetNext(pos)));
  return strokes;
}

CDlgDFP2PWhiteBoard* SisterBoardTest::OpenP2PBoard(const char* peer) {
  DeliverConfResult(kDetailP2PCreated, peer, kP2PWhiteboard, kConfResultOK);
  CTavorineModule* module = Module();
  for (int i = 0; i < module->m_aP2PWhiteBoards.GetSize(); ++i)
    if (strcmp(module->m_aP2PWhiteBoards[i]->GetPeerURI(), peer) == 0) return module->m_aP2PWhiteBoards[i];
  return nullptr;
}

void SisterBoardTest::EndP2PSessionOf(const char* peer) {
  DeliverConfResult(kDetailP2PPeerEnd, peer, kP2PWhiteboard);
}

void SisterBoardTest::UseToolOn(CWbBoardWindow* board, int tool) {
  int button = tool == kToolSelect ? IDC_WB_SELECT_TOOL : IDC_WB_TOOL_FIRST + tool;
  if (::IsWindowEnabled(::GetDlgItem(board->m_hWnd, button))) {
    ASSERT_TRUE(platform::user::ClickItem(board->m_hWnd, button)) << tool;
  }
}

void SisterBoardTest::SelectAt(CWbBoardWindow* board, CDrawSurface* surface, POINT at) {
  UseToolOn(board, kToolSelect);
  HWND window = surface->m_hWnd;
  OnceInModal(platform::ModalKind::Tracker, [window, at](const platform::ModalState&) {
    platform::user::MouseUp(window, at);
  });
  Click(surface, at);
}

}  // namespace surftest
