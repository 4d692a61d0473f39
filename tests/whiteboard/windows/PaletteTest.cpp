// The colour palette bar: drawing colour, recolouring the selected object with its change
// record, redefining a swatch with the colour dialog, and the pixels of the bar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WindowSurface.h"
#include "protocol/HostBlocks.h"
#include "tests/support/boards/SurfaceFixture.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/windows/ColorBarDlg.h"

namespace surftest {
namespace {

using platform::ModalKind;
using platform::ModalState;
namespace user = platform::user;

class Palette : public SurfaceTest {
 protected:
  CColorBarDlg* Bar() { return Board()->GetColorBar(); }
  HWND Swatch(int id) { return ::GetDlgItem(Bar()->m_hWnd, id); }
  COLORREF CurrentColor() { return Bar()->m_btnCurColor.m_crColor; }
  // Draws a shape with the tool and selects it with a click inside it.
  CStrokeBase* DrawAndSelect(int tool, POINT from, POINT to, POINT inside) {
    UseTool(tool, kWhite);
    Drag(from, to);
    CStrokeBase* stroke = Strokes().back();
    SelectAt(inside);
    return stroke;
  }
  // Double-clicks a swatch; the colour dialog is answered with `answer` and `color`.
  void Redefine(int id, int answer, COLORREF color) {
    OnceInModal(ModalKind::Dialog, [this, answer, color](const ModalState& state) {
      auto* dialog = static_cast<CColorDialog*>(CWnd::FromHandlePermanent(state.window));
      slotHeldDialog_ = Module()->m_pActiveCommonDlg == dialog;
      dialog->SetCurrentColor(color);
      dialog->EndDialog(answer);
    });
    user::DoubleClick(Swatch(id), POINT{3, 3});
  }
  bool slotHeldDialog_ = false;
};

TEST_F(Palette, SwatchesStartWithTheirColoursAndTheCurrentColourIsBlack) {
  EXPECT_EQ(CColorBarDlg::DefaultColorOf(1832), 0xFFFFFFu);
  EXPECT_EQ(CColorBarDlg::DefaultColorOf(1846), 0x8080FFu);
  EXPECT_EQ(CColorBarDlg::DefaultColorOf(1859), 0u);
  EXPECT_EQ(Bar()->m_aSwatches[0].m_hWnd, Swatch(1840)) << "the first swatch member is bound to 1840";
  EXPECT_EQ(Bar()->m_aSwatches[0].m_crColor, 0x008000u);
  EXPECT_EQ(Bar()->m_aSwatches[27].m_hWnd, Swatch(1832));
  EXPECT_EQ(CurrentColor(), 0u);
}

TEST_F(Palette, TheBarAsksTheHostToSkinItTwice) {
  std::vector<std::string> sections;
  for (const auto& event : Host().EventsWithCode(kHostSkinWindow)) {
    const HostSkinBlock* block = event.As<HostSkinBlock>();
    if (block->hWnd != Bar()->m_hWnd) continue;
    EXPECT_STREQ(block->pSkinFile, "proppage.skn");
    sections.push_back(block->pSection);
  }
  EXPECT_EQ(sections, (std::vector<std::string>{"", "window01"}));
}

TEST_F(Palette, AClickWithoutSelectionSetsTheDrawingColourOfNewStrokes) {
  size_t before = Sent().size();
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  EXPECT_EQ(Surface()->m_crColor, kRed);
  EXPECT_EQ(CurrentColor(), kRed);
  EXPECT_EQ(Sent().size(), before) << "choosing a colour sends nothing";
  ChooseTool(kToolLine);
  Drag({20, 20}, {120, 80});
  EXPECT_EQ(Strokes().back()->m_crColor, kRed);
  EXPECT_STREQ(LastPayload<WbLinePayload>()->pStyle->szPenColor, "255");
}

TEST_F(Palette, AFilledSelectedObjectTakesTheColourAndItsFillChangeIsSent) {
  CStrokeBase* block = DrawAndSelect(kToolSolidRectangle, {100, 100}, {200, 160}, {150, 130});
  ASSERT_EQ(Surface()->m_pSelected, block);
  EXPECT_EQ(CurrentColor(), kWhite) << "the selected object's colour shows in the bar";
  size_t before = Sent().size();
  ASSERT_TRUE(user::Click(Swatch(kBlueSwatch)));
  EXPECT_EQ(block->m_crColor, kBlue);
  EXPECT_EQ(Surface()->m_crColor, kWhite) << "the drawing colour stays";
  EXPECT_EQ(CurrentColor(), kBlue);
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1);
  DWORD type = sent.back()->head.op;
  EXPECT_EQ(type, (DWORD)WB_MSG_OBJECT_CHANGE);
  int32_t page = sent.back()->pPageOp->nPage;
  EXPECT_EQ(page, 1);
  const WbRectPayload* rect = LastPayload<WbRectPayload>();
  ASSERT_NE(rect, nullptr);
  EXPECT_STREQ(rect->head.szID, block->m_szID);
  const WbStyleRecord* style = rect->pStyle;
  ASSERT_NE(style, nullptr);
  EXPECT_STREQ(rect->pStyle->szFillColor, "16711680");
  EXPECT_STREQ(rect->pStyle->szPenColor, "");
  // The next shape still uses the drawing colour.
  ChooseTool(kToolRectangle);
  Drag({300, 300}, {360, 360});
  EXPECT_EQ(Strokes().back()->m_crColor, kWhite);
}

// A right click on nothing takes the tracker away: the object no longer shows selected, so the
// colour the bar then shows is the one new shapes are drawn with.
TEST_F(Palette, AClickAfterTheTrackerWasClickedAwaySetsTheDrawingColour) {
  CStrokeBase* block = DrawAndSelect(kToolSolidRectangle, {100, 100}, {200, 160}, {150, 130});
  user::MouseDown(SurfaceWnd(), {400, 300}, true);
  user::MouseUp(SurfaceWnd(), {400, 300}, true);
  ASSERT_FALSE(block->m_bSelected);
  size_t before = Sent().size();
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  EXPECT_EQ(CurrentColor(), kRed);
  EXPECT_EQ(block->m_crColor, kWhite);
  EXPECT_EQ(Sent().size(), before);
  ChooseTool(kToolLine);
  Drag({250, 250}, {350, 280});
  EXPECT_EQ(Strokes().back()->m_crColor, kRed);
}

TEST_F(Palette, AnOutlineSelectedObjectSendsItsPenColour) {
  CStrokeBase* line = DrawAndSelect(kToolLine, {50, 50}, {250, 50}, {150, 50});
  ASSERT_EQ(Surface()->m_pSelected, line);
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  const WbLinePayload* payload = LastPayload<WbLinePayload>();
  ASSERT_NE(payload, nullptr);
  EXPECT_STREQ(payload->head.szID, line->m_szID);
  EXPECT_STREQ(payload->pStyle->szPenColor, "255");
  EXPECT_EQ(line->m_crColor, kRed);
}

TEST_F(Palette, ASelectedTextSendsItsOwnRecordWithTheNewColour) {
  UseTool(kToolText, kWhite);
  Drag({100, 100}, {300, 160});
  ASSERT_TRUE(user::Type(Surface()->m_pEdit->m_hWnd, "Hello"));
  Click({400, 300});
  ASSERT_EQ(Strokes().size(), 1u);
  CStrokeBase* text = Strokes()[0];
  SelectAt({150, 120});
  ASSERT_EQ(Surface()->m_pSelected, text);
  size_t before = Sent().size();
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  std::vector<const WbMsgHeader*> sent = Sent();
  ASSERT_EQ(sent.size(), before + 1);
  DWORD type = sent.back()->head.op;
  EXPECT_EQ(type, (DWORD)WB_MSG_OBJECT_CHANGE);
  const WbTextPayload* payload = LastPayload<WbTextPayload>();
  ASSERT_NE(payload, nullptr);
  EXPECT_STREQ(payload->head.szID, text->m_szID);
  EXPECT_STREQ(payload->pszText, "Hello");
  const WbStyleRecord* font = payload->pStyle;
  ASSERT_NE(font, nullptr);
  EXPECT_STREQ(font->szFillColor, "255");
}

TEST_F(Palette, APointerTakesTheColourInMemoryButNothingIsSent) {
  UseTool(kToolHand);
  Click({100, 100});
  CStrokeBase* hand = Strokes().back();
  SelectAt({100, 100});
  ASSERT_EQ(Surface()->m_pSelected, hand);
  size_t before = Sent().size();
  ASSERT_TRUE(user::Click(Swatch(kBlueSwatch)));
  EXPECT_EQ(hand->m_crColor, kBlue);
  EXPECT_EQ(Sent().size(), before);
}

TEST_F(Palette, WithoutAPageAClickChangesNothing) {
  EndBoard();
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  EXPECT_EQ(Surface()->m_crColor, 0u);
  EXPECT_EQ(CurrentColor(), 0u) << "not even the current-colour button";
}

TEST_F(Palette, ADoubleClickRedefinesTheSwatchThroughTheColourDialog) {
  Redefine(kRedSwatch, IDOK, 0x123456);
  EXPECT_TRUE(slotHeldDialog_) << "the dialog sits in the module's pop-up slot while open";
  EXPECT_EQ(Module()->m_pActiveCommonDlg, nullptr);
  EXPECT_EQ(static_cast<CColorSwatchButton*>(CWnd::FromHandlePermanent(Swatch(kRedSwatch)))->m_crColor, 0x123456u);
  EXPECT_EQ(Surface()->m_crColor, 0x123456u);
  EXPECT_EQ(CurrentColor(), 0x123456u);
}

TEST_F(Palette, ACancelledColourDialogLeavesEverythingAsItWas) {
  Redefine(kBlueSwatch, IDCANCEL, 0x123456);
  EXPECT_EQ(static_cast<CColorSwatchButton*>(CWnd::FromHandlePermanent(Swatch(kBlueSwatch)))->m_crColor, kBlue);
  EXPECT_EQ(CurrentColor(), kBlue) << "only the click before the double click took effect";
  EXPECT_EQ(Surface()->m_crColor, kBlue);
}

// The host closes the module while the colour dialog of a selected object runs: the board and
// its dialog go with the conference, and the handler, returning through its still existing
// object, sends nothing.
TEST_F(Palette, AModuleClosedInsideTheColourDialogSendsNothing) {
  DrawAndSelect(kToolSolidRectangle, {100, 100}, {200, 160}, {150, 130});
  HWND board = Board()->m_hWnd;
  size_t before = 0;  // the click ahead of the double click sends red
  OnceInModal(ModalKind::Dialog, [this, &before](const ModalState&) {
    before = Sent().size();
    Module()->Close();
  });
  user::DoubleClick(Swatch(kRedSwatch), POINT{3, 3});
  EXPECT_FALSE(::IsWindow(board));
  EXPECT_EQ(Module()->m_pDlgDataConf->GetWhiteBoard(), nullptr);
  EXPECT_EQ(Sent().size(), before);
  EXPECT_EQ(Module()->m_pActiveCommonDlg, nullptr);
}

TEST_F(Palette, EnterAndEscapeOnAClickedSwatchKeepTheBar) {
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  ASSERT_EQ(::GetFocus(), Swatch(kRedSwatch));
  user::PressEnter();
  user::PressEscape();
  EXPECT_TRUE(::IsWindowVisible(Bar()->m_hWnd));
}

TEST_F(Palette, SwatchesAndTheCurrentColourPaintTheirColourEdgeToEdge) {
  ASSERT_TRUE(user::Click(Swatch(kRedSwatch)));
  for (int id : {kBlueSwatch, 1859, (int)IDC_CUR_COLOR}) {
    HWND button = ::GetDlgItem(Bar()->m_hWnd, id);
    ::SendMessage(button, WM_PAINT, 0, 0);
    CRect r;
    ::GetClientRect(button, &r);
    COLORREF expected = static_cast<CColorFillButton*>(CWnd::FromHandlePermanent(button))->m_crColor;
    EXPECT_EQ(platform::WindowPixel(button, 0, 0), expected) << id;
    EXPECT_EQ(platform::WindowPixel(button, r.right - 1, r.bottom - 1), expected) << id;
  }
  EXPECT_EQ(platform::WindowPixel(::GetDlgItem(Bar()->m_hWnd, IDC_CUR_COLOR), 5, 5), kRed);
}

}  // namespace
}  // namespace surftest
