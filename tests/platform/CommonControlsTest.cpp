// Date and time pickers, tooltips, image lists with bitmap resources, timers on other windows,
// and windows whose creation fails.
#include <gtest/gtest.h>

#include "platform/gdi/BitmapResources.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/UserInput.h"
#include "tests/platform/NotifyLog.h"
#include "tests/support/DesktopTest.h"
#include "tests/support/Faults.h"

namespace user = platform::user;
using Lines = std::vector<std::string>;

namespace {

class CommonControlsTest : public tavtest::DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
  }
  CString TextOf(CWnd& w) {
    CString text;
    w.GetWindowText(text);
    return text;
  }
  tavtest::NotifyLog parent;
};

// ---- Date and time pickers ----

TEST_F(CommonControlsTest, DateTimeRoundTripAndDisplay) {
  CDateTimeCtrl date, time;
  ASSERT_TRUE(date.Create(WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, CRect(0, 0, 100, 20), &parent, 1486));
  ASSERT_TRUE(time.Create(WS_CHILD | WS_VISIBLE | DTS_TIMEFORMAT, CRect(0, 30, 100, 50), &parent, 1497));
  CTime now = CTime::GetCurrentTime();  // 2023-11-15 06:13:20 local
  CTime value;
  EXPECT_EQ((DWORD)GDT_VALID, date.GetTime(value));
  EXPECT_EQ(now, value);
  EXPECT_EQ("2023-11-15", TextOf(date));
  EXPECT_EQ("06:13:20", TextOf(time));
  CTime start(2024, 2, 29, 9, 5, 7);
  ASSERT_TRUE(time.SetTime(&start));
  time.GetTime(value);
  EXPECT_EQ(start, value);
  EXPECT_EQ("09:05:07", TextOf(time));
  time.SetFormat("yyyy'年'MM'月'd'日' tt h:mm");
  EXPECT_EQ("2024年02月29日 上午 9:05", TextOf(time));
  EXPECT_FALSE(time.SetTime((const CTime*)nullptr));  // only a DTS_SHOWNONE picker may hold no value
  EXPECT_TRUE(parent.lines.empty());    // the program's changes are not notified
}

TEST_F(CommonControlsTest, DateTimeUserChangesAreNotifiedAndKeptInRange) {
  CDateTimeCtrl picker;
  ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_SHOWNONE, CRect(0, 0, 100, 20), &parent, 1486));
  CTime low(2023, 11, 15, 0, 0, 0), high(2023, 12, 31, 23, 59, 59);
  picker.SetRange(&low, nullptr);
  CTime readLow, readHigh;
  EXPECT_EQ((DWORD)GDTR_MIN, picker.GetRange(&readLow, &readHigh));
  EXPECT_EQ(low, readLow);
  picker.SetRange(&low, &high);
  ASSERT_TRUE(user::SetDateTime(picker.m_hWnd, CTime(2023, 12, 1, 14, 30, 0)));
  EXPECT_FALSE(user::SetDateTime(picker.m_hWnd, CTime(2024, 1, 1, 0, 0, 0)));
  user::SetDateTime(picker.m_hWnd, CTime(2023, 12, 1, 14, 30, 0));  // no change: no notification
  EXPECT_EQ((Lines{"datetime 2023-12-1 14:30"}), parent.lines);
  EXPECT_TRUE(picker.SetTime((const CTime*)nullptr));
  CTime value;
  EXPECT_EQ((DWORD)GDT_NONE, picker.GetTime(value));
  EXPECT_EQ("", TextOf(picker));
}

class TimeDialog : public CWnd {
 public:
  CTime start;
  void DoDataExchange(CDataExchange* dx) override { DDX_DateTimeCtrl(dx, 1497, start); }
};

TEST_F(CommonControlsTest, DateTimeDataExchange) {
  TimeDialog dialog;
  ASSERT_TRUE(dialog.CreateEx(0, nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
  CDateTimeCtrl picker;
  ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | DTS_TIMEFORMAT, CRect(0, 0, 100, 20), &dialog, 1497));
  dialog.start = CTime(2023, 11, 20, 8, 0, 0);
  dialog.UpdateData(FALSE);
  EXPECT_EQ("08:00:00", TextOf(picker));
  ASSERT_TRUE(user::SetDateTime(picker.m_hWnd, CTime(2023, 11, 20, 9, 30, 0)));
  dialog.UpdateData(TRUE);
  EXPECT_EQ(CTime(2023, 11, 20, 9, 30, 0), dialog.start);
}

// ---- Common controls in dialog templates ----

const UINT kPageTemplate = 9001;

class Page : public CDialog {
 public:
  Page() { m_nIDTemplate = kPageTemplate; }
  CTreeCtrl tree;  // attached by DDX_Control, as the pages attach their members
  void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 1934, tree); }
};

TEST_F(CommonControlsTest, TemplateControlsAreRealControlsWhateverObjectIsAttached) {
  const DWORD shown = WS_VISIBLE | WS_TABSTOP;
  platform::RegisterDialogTemplate({kPageTemplate, "页", WS_CHILD, 0, 0, 300, 200,
                                    {{1485, WC_LISTVIEW, "", shown | LVS_REPORT | LVS_SINGLESEL, 5, 5, 120, 80},
                                     {1934, WC_TREEVIEW, "", shown | TVS_HASBUTTONS, 130, 5, 120, 80},
                                     {1486, DATETIMEPICK_CLASS, "", WS_TABSTOP | DTS_SHORTDATEFORMAT, 5, 90, 60, 12}}});
  Page page;
  ASSERT_TRUE(page.Create(kPageTemplate, &parent));
  page.UpdateData(FALSE);
  auto* list = dynamic_cast<CListCtrl*>(page.GetDlgItem(1485));
  ASSERT_NE(nullptr, list);
  list->InsertColumn(0, "名称", LVCFMT_LEFT, 62);
  EXPECT_EQ(0, list->InsertItem(0, "甲"));
  EXPECT_EQ(1, list->GetHeaderCtrl()->GetItemCount());
  EXPECT_EQ(&page.tree, page.GetDlgItem(1934));
  HTREEITEM item = page.tree.InsertItem("部门");
  EXPECT_EQ(item, ((CTreeCtrl*)page.GetDlgItem(1934))->GetRootItem());
  EXPECT_NE(nullptr, dynamic_cast<CDateTimeCtrl*>(page.GetDlgItem(1486)));
  page.DestroyWindow();
}

// ---- Tooltips ----

TEST_F(CommonControlsTest, ToolTipToolsTextsAndRelayedMouse) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), &parent, 1692));
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&edit, TTS_ALWAYSTIP));
  EXPECT_EQ(parent.m_hWnd, ::GetWindow(tip.m_hWnd, GW_OWNER));
  ASSERT_TRUE(tip.AddTool(&edit, "外线号码前需加0"));
  EXPECT_FALSE(tip.AddTool(&edit, "twice"));
  EXPECT_EQ(1, tip.GetToolCount());
  EXPECT_EQ("外线号码前需加0", platform::ToolTipTextFor(edit.m_hWnd));
  tip.UpdateTipText("新的提示", &edit);
  CString text;
  tip.GetText(text, &edit);
  EXPECT_EQ("新的提示", text);

  MSG move = {edit.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {15, 15}};
  tip.RelayEvent(&move);
  EXPECT_EQ("新的提示", platform::ShownToolTipText(tip.m_hWnd));
  MSG press = move;
  press.message = WM_LBUTTONDOWN;
  tip.RelayEvent(&press);
  EXPECT_EQ("", platform::ShownToolTipText(tip.m_hWnd));
  tip.Activate(FALSE);
  tip.RelayEvent(&move);
  EXPECT_EQ("", platform::ShownToolTipText(tip.m_hWnd));
  tip.DelTool(&edit);
  EXPECT_EQ(0, tip.GetToolCount());
  EXPECT_EQ("", platform::ToolTipTextFor(edit.m_hWnd));
}

TEST_F(CommonControlsTest, WindowCreationCanBeMadeToFail) {
  faults::FailWindowCreation(TOOLTIPS_CLASS);
  CToolTipCtrl tip;
  EXPECT_FALSE(tip.Create(&parent, TTS_ALWAYSTIP));
  EXPECT_TRUE(tip.Create(&parent, TTS_ALWAYSTIP));  // only the next one failed
  faults::FailWindowCreation("edit", 2);
  CEdit a, b, c;
  EXPECT_FALSE(a.Create(WS_CHILD, CRect(0, 0, 1, 1), &parent, 1));
  EXPECT_FALSE(b.Create(WS_CHILD, CRect(0, 0, 1, 1), &parent, 2));
  EXPECT_TRUE(c.Create(WS_CHILD, CRect(0, 0, 1, 1), &parent, 3));
}

// ---- Image lists and bitmap resources ----

// A 34 x 17 strip of two icons: red and blue squares on white.
gdi::SurfaceRef TwoIcons() {
  gdi::SurfaceRef s = gdi::SurfaceRef::CreateRgb(34, 17);
  gdi::Raster r = s.Pixels();
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) {
      r.At(x, y) = gdi::ToPixel(RGB(255, 0, 0));
      r.At(17 + x, y) = gdi::ToPixel(RGB(0, 0, 255));
    }
  s.MarkDirty();
  return s;
}

TEST_F(CommonControlsTest, BitmapResourcesLoadAsPrivateCopies) {
  platform::RegisterBitmapResource(133, TwoIcons);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(133));
  EXPECT_EQ(CSize(34, 17), bitmap.GetSize());
  EXPECT_FALSE(bitmap.LoadBitmap(133));  // already holds one
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(9999));
  EXPECT_EQ(nullptr, missing.GetSafeHandle());
}

TEST_F(CommonControlsTest, ImageListCutsBitmapsAndMasksTheMaskColour) {
  platform::RegisterBitmapResource(133, TwoIcons);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(133));
  CImageList images;
  ASSERT_TRUE(images.Create(17, 17, ILC_COLOR32 | ILC_MASK, 0, 1));
  EXPECT_EQ(0, images.Add(&bitmap, RGB(255, 255, 255)));
  EXPECT_EQ(2, images.Add(&bitmap, RGB(255, 255, 255)));
  EXPECT_EQ(4, images.GetImageCount());
  EXPECT_EQ(RGB(0, 0, 255), images.GetPixel(1, 5, 5));
  EXPECT_EQ(CLR_INVALID, images.GetPixel(1, 0, 0));  // white is see-through

  CDC dc;
  CBitmap canvas;
  dc.CreateCompatibleDC(nullptr);
  canvas.CreateCompatibleBitmap(&dc, 40, 40);
  dc.SelectObject(&canvas);
  dc.FillSolidRect(0, 0, 40, 40, RGB(0, 255, 0));
  ASSERT_TRUE(images.Draw(&dc, 0, CPoint(10, 10), ILD_TRANSPARENT));
  EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(15, 15));
  EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(11, 11));  // the masked corner leaves the background
  EXPECT_FALSE(images.Draw(&dc, 7, CPoint(0, 0), ILD_NORMAL));

  HIMAGELIST handle = images.GetSafeHandle();
  EXPECT_EQ(&images, CImageList::FromHandle(handle));
  images.DeleteImageList();
  EXPECT_EQ(nullptr, CImageList::FromHandle(handle));
  EXPECT_FALSE(ImageList_GetIconSize(handle, nullptr, nullptr));

  CImageList fromResource;
  ASSERT_TRUE(fromResource.Create(133, 17, 1, RGB(255, 255, 255)));
  EXPECT_EQ(2, fromResource.GetImageCount());
}

// ---- Context menus ----

TEST_F(CommonControlsTest, ARightClickAsksForAContextMenuThatClimbsToTheParent) {
  CWnd child;
  ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(50, 40, 150, 140), &parent, 7));
  platform::user::MouseDown(child.m_hWnd, CPoint(10, 20), true);
  EXPECT_TRUE(parent.lines.empty());
  platform::user::MouseUp(child.m_hWnd, CPoint(10, 20), true);
  EXPECT_EQ((Lines{"contextmenu 7"}), parent.lines);
}

// ---- Timers on other windows ----

class TimerWindow : public CWnd {
 public:
  std::vector<UINT_PTR> fired;
  void OnTimer(UINT_PTR id) override { fired.push_back(id); }
};

TEST_F(CommonControlsTest, ATimerSetOnAnotherWindowFiresThere) {
  TimerWindow page;
  ASSERT_TRUE(page.CreateEx(0, nullptr, "page", WS_CHILD, CRect(0, 0, 10, 10), &parent, 5));
  // The conference window restarts the join page's timer 16 through its handle.
  ::KillTimer(page.m_hWnd, 16);
  EXPECT_EQ(16u, ::SetTimer(page.m_hWnd, 16, 60000, nullptr));
  Advance(59999);
  EXPECT_TRUE(page.fired.empty());
  Advance(1);
  EXPECT_EQ(std::vector<UINT_PTR>{16}, page.fired);
  EXPECT_TRUE(::KillTimer(page.m_hWnd, 16));
  Advance(60000);
  EXPECT_EQ(1u, page.fired.size());
}

}  // namespace
