// The line-width picker: its items, its owner drawing, the width reaching new strokes, and the
// line-width dialog.
#include <gtest/gtest.h>

#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/surface/LineWidthListBox.h"

namespace surftest {
namespace {

using platform::ModalKind;
using platform::ModalState;
namespace user = platform::user;

class LineWidth : public SurfaceTest {
 protected:
  CLineWidthListBox& List() { return Board()->m_listLineWidth; }
  // Runs the width dialog opened with `width`; `act` acts on it inside its modal loop.
  int RunDialog(int width, std::function<void(CLineWidthDlg&)> act, INT_PTR* result = nullptr) {
    CLineWidthDlg dialog(width, Board());
    OnceInModal(ModalKind::Dialog, [&dialog, act](const ModalState&) { act(dialog); });
    INT_PTR answer = dialog.DoModal();
    if (result) *result = answer;
    return dialog.m_nWidth;
  }
};

TEST_F(LineWidth, TheListOffersFourWidthsOf47Pixels) {
  ASSERT_EQ(List().GetCount(), 4);
  const char* texts[] = {"2", "4", "8", "16"};
  for (int i = 0; i < 4; ++i) {
    CString text;
    List().GetText(i, text);
    EXPECT_STREQ(text, texts[i]);
    EXPECT_EQ((int)List().GetItemData(i), kLineWidths[i]);
    EXPECT_EQ(List().GetItemHeight(i), 47);
  }
}

TEST_F(LineWidth, TheChosenWidthReachesNewStrokes) {
  CRect placed;
  List().GetWindowRect(&placed);
  Board()->ScreenToClient(&placed);
  List().MoveWindow(placed.left, placed.top, placed.Width(), 4 * 47);  // the list drops open
  ASSERT_TRUE(user::ChooseListItem(List().m_hWnd, 2));
  List().MoveWindow(&placed);
  EXPECT_EQ(Surface()->m_nPenWidth, 8);
  ChooseTool(kToolLine);
  Drag({20, 20}, {200, 120});
  EXPECT_EQ(Strokes().back()->m_nPenWidth, 8);
  int32_t width = LastPayload<WbLinePayload>()->pStyle->nPenWidth;
  EXPECT_EQ(width, 8);
}

TEST_F(LineWidth, ItemsAreALineOfTheirWidthOnGreyOrWhiteWhenSelected) {
  CRect client;
  List().GetClientRect(&client);
  List().MoveWindow(0, 0, client.Width(), 4 * 47);  // every item in view
  List().SetCurSel(1);
  List().SendMessage(WM_PAINT);
  HWND list = List().m_hWnd;
  // Item 0 (2 pixels, not selected): middle at 23, lines 22 and 23 black, grey around.
  EXPECT_EQ(platform::WindowPixel(list, 5, 23), 0u);
  EXPECT_EQ(platform::WindowPixel(list, 5, 10), kLineWidthItemBack);
  EXPECT_EQ(platform::WindowPixel(list, 5, 30), kLineWidthItemBack);
  // Item 1 (4 pixels, selected): rows 47..93, middle 70, white around the line.
  EXPECT_EQ(platform::WindowPixel(list, 5, 70), 0u);
  EXPECT_EQ(platform::WindowPixel(list, 5, 50), kWhite);
  EXPECT_EQ(platform::WindowPixel(list, 5, 90), kWhite);
  // Item 3 (16 pixels): middle 164, the line spans 8 rows either side.
  EXPECT_EQ(platform::WindowPixel(list, 5, 160), 0u);
  EXPECT_EQ(platform::WindowPixel(list, 5, 167), 0u);
  EXPECT_EQ(platform::WindowPixel(list, 5, 145), kLineWidthItemBack);
}

TEST_F(LineWidth, TheDialogSelectsItsWidthAndReturnsTheChosenOne) {
  INT_PTR result = 0;
  int width = RunDialog(4, [](CLineWidthDlg& dialog) {
    EXPECT_EQ(dialog.m_listWidth.GetCurSel(), 1);
    EXPECT_TRUE(user::ChooseListItem(dialog.m_listWidth.m_hWnd, 2));
    user::ClickItem(dialog.m_hWnd, IDOK);
  }, &result);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(width, 8);
}

TEST_F(LineWidth, AnOddWidthSelectsNothingAndOkKeepsIt) {
  int width = RunDialog(3, [](CLineWidthDlg& dialog) {
    EXPECT_EQ(dialog.m_listWidth.GetCurSel(), LB_ERR);
    user::ClickItem(dialog.m_hWnd, IDOK);
  });
  EXPECT_EQ(width, 3) << "no item chosen keeps the width rather than LB_ERR";
}

}  // namespace
}  // namespace surftest
