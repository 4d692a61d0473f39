#include "tests/whiteboard_surface/SisterBoardFixture.h"

#include "platform/ui/UserInput.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"

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
  wbtest::AddWbMessageCopier(Host());
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

}  // namespace surftest
