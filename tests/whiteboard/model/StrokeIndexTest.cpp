// The page's index answers what a walk of the whole list answers, in stacking order, whatever
// changed the page: adds through the page or straight into its list, moves, restacking,
// deletions, and a background kept lowest.
#include <gtest/gtest.h>

#include <vector>

#include "whiteboard/model/StrokeDocPage.h"
#include "whiteboard/model/StrokeLine.h"
#include "whiteboard/model/StrokePage.h"

namespace {

CStrokeLine* NewLine(int x, int y, int dx, int dy, int width) {
  CStrokeLine* line = new CStrokeLine();
  line->m_rcDraw = RECT{x, y, x + dx, y + dy};
  line->m_nPenWidth = width;
  line->UpdateTracker();
  return line;
}

bool Meet(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Every area of a grid over the page (and one far larger than it) finds exactly the objects
// whose extent meets it, bottom to top.
void ExpectIndexMatchesList(CStrokePage& page) {
  std::vector<RECT> areas{RECT{-5000, -5000, 9000, 9000}};
  for (int y = -40; y < 1300; y += 97)
    for (int x = -40; x < 1700; x += 113) areas.push_back(RECT{x, y, x + 9, y + 9});
  std::vector<CStrokeBase*> found;
  for (const RECT& area : areas) {
    std::vector<CStrokeBase*> expected;
    for (POSITION pos = page.m_listStroke.GetHeadPosition(); pos;) {
      CStrokeBase* stroke = static_cast<CStrokeBase*>(page.m_listStroke.GetNext(pos));
      if (Meet(StrokeDrawExtent(stroke), area)) expected.push_back(stroke);
    }
    page.Index().Find(area, &found);
    ASSERT_EQ(found, expected) << area.left << "," << area.top;
  }
}

TEST(StrokeIndex, FollowsEveryChangeOfThePage) {
  CStrokePage page;
  std::vector<CStrokeLine*> lines;
  unsigned seed = 99;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return (int)((seed >> 8) % (unsigned)range);
  };
  for (int i = 0; i < 300; ++i) {
    // Short lines, and every tenth one across the whole page.
    bool across = i % 10 == 0;
    lines.push_back(NewLine(next(1600), next(1200), across ? 1600 - next(3200) : next(80) - 40, next(80) - 40,
                            1 + next(16)));
    page.AddStroke(lines.back());
  }
  ExpectIndexMatchesList(page);

  // Objects that a reader or a received page put straight into the list.
  for (int i = 0; i < 20; ++i) page.m_listStroke.AddTail(NewLine(next(1600), next(1200), 30, 30, 2));
  ExpectIndexMatchesList(page);

  for (int i = 0; i < 300; i += 7) {
    lines[i]->m_rcDraw = RECT{next(1600), next(1200), next(1600), next(1200)};
    lines[i]->UpdateTracker();
    page.StrokeChanged(lines[i]);
  }
  for (int i = 3; i < 300; i += 11) page.BringToFront(lines[i]);
  ExpectIndexMatchesList(page);

  CStrokeDocPage* background = new CStrokeDocPage();
  background->m_rcDraw = RECT{0, 0, 1600, 1200};
  background->UpdateTracker();
  page.m_listStroke.AddHead(background);
  page.SetDocPage(background);
  for (int i = 5; i < 300; i += 13) page.SendToBack(lines[i]);
  for (int i = 1; i < 300; i += 9) page.DeleteStroke(lines[i]);
  ExpectIndexMatchesList(page);
  EXPECT_EQ(page.m_listStroke.GetHead(), background);
}

}  // namespace
