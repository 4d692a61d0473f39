// The conference records page: listing the saved conferences from "mmc.dat", sorting by each
// column, the detail dialog in the module's pop-up slot, deletion that rewrites the file, and
// missing or damaged files.
#include <fstream>
#include <string>
#include <vector>

#include "platform/ui/Menu.h"
#include "platform/ui/UserInput.h"
#include "setup/DlgConfRecordDetail.h"
#include "setup/RecordListIds.h"
#include "setup/mmconfRecordList.h"
#include "tests/setup/SetupFixture.h"

namespace tavtest {
namespace {

using Names = std::vector<std::string>;

DataConfInfo Record(const char* title, const char* role, const char* start, const char* end) {
  DataConfInfo info;
  info.csTitle = title;
  info.csURI = CString("sip:") + title + "@conf.example.cn";
  info.csStartRole = role;
  info.csStartTime = start;
  info.csEndTime = end;
  return info;
}

class RecordListTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    CmmconfRecordList::s_iSortColumn = CmmconfRecordList::kColumnStart;
    CmmconfRecordList::s_iSortOrder = CmmconfRecordList::kSortAscending;
  }

  // Three conferences saved through the module's own saver, newest first as the module keeps
  // them. Titles differ in case, so that a plain byte order would differ from the page's.
  void SaveThree() {
    DataConfInfoList list;
    list.Add(Record("beta", "主席", "2025-03-02 10:00:00", "2025-03-02 11:30:00"));
    list.Add(Record("Gamma", "成员", "2025-02-01 08:00:00", "2025-02-01 12:00:00"));
    list.Add(Record("alpha", "访客", "2025-01-05 09:00:00", "2025-01-05 09:10:00"));
    list[0].saEvents.Add("2025-03-02 10:00:05 加入会议");
    list[0].saEvents.Add("");
    list[0].saEvents.Add("2025-03-02 10:05:00 张三成为主席");
    list[0].saEvents.Add("2025-03-02 短");
    ASSERT_TRUE(SaveDataConfListFile(Module()->GetDataConfFilePath(), list));
  }

  // Opens the user interface on the records page, as the user does with its radio.
  CmmconfRecordList* OpenRecords() {
    OpenUI();
    EXPECT_TRUE(Click(Start(), IDC_RADIO_CONF_RECORD));
    return Start()->m_pRecordList;
  }
  HWND List() { return Start()->m_pRecordList->m_listRecords.m_hWnd; }

  // The rows' texts of one column, top to bottom.
  static Names Column(const CListCtrl& list, int column) {
    Names texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column).str());
    return texts;
  }
  Names Column(int column) { return Column(Start()->m_pRecordList->m_listRecords, column); }
  Names Titles() { return Column(CmmconfRecordList::kColumnTitle); }
  Names SavedTitles() {
    DataConfInfoList saved;
    EXPECT_TRUE(LoadDataConfListFile(Module()->GetDataConfFilePath(), &saved));
    Names titles;
    for (int i = 0; i < saved.GetSize(); ++i) titles.push_back(saved[i].csTitle.str());
    return titles;
  }
  void SelectRows(std::initializer_list<int> rows) {
    bool first = true;
    for (int row : rows) {
      platform::user::HoldKey(VK_CONTROL, !first);
      EXPECT_TRUE(platform::user::ClickListItem(List(), row));
      first = false;
    }
    platform::user::HoldKey(VK_CONTROL, false);
  }
};

// What the detail dialog showed while it ran.
struct DetailSeen {
  bool shown = false;
  bool inPopupSlot = false;
  std::string caption, title, start, end, role;
  std::vector<std::pair<std::string, std::string>> events;
};

// Reads the running detail dialog, then ends it with OK.
void ReadDetail(CTavorineModule* module, HWND window, DetailSeen* seen) {
  auto* detail = dynamic_cast<CDlgConfRecordDetail*>(CWnd::FromHandlePermanent(window));
  ASSERT_NE(nullptr, detail);
  seen->shown = true;
  seen->inPopupSlot = module->m_pActiveCommonDlg == detail;
  CString text;
  detail->GetWindowText(text);
  seen->caption = text.str();
  auto item = [detail](int id) {
    CString value;
    detail->GetDlgItemText(id, value);
    return value.str();
  };
  seen->title = item(IDC_DETAIL_TITLE);
  seen->start = item(IDC_DETAIL_START);
  seen->end = item(IDC_DETAIL_END);
  seen->role = item(IDC_DETAIL_ROLE);
  for (int row = 0; row < detail->m_listEvents.GetItemCount(); ++row)
    seen->events.emplace_back(detail->m_listEvents.GetItemText(row, 0).str(),
                              detail->m_listEvents.GetItemText(row, 1).str());
  EXPECT_TRUE(platform::user::ClickItem(window, IDOK));
}

TEST_F(RecordListTest, SavedConferencesAreListedOldestFirstWithTheirColumns) {
  SaveThree();
  CmmconfRecordList* page = OpenRecords();
  ASSERT_NE(nullptr, page);
  EXPECT_TRUE(Visible(page));
  EXPECT_EQ((Names{"alpha", "Gamma", "beta"}), Titles());
  EXPECT_EQ((Names{"访客", "成员", "主席"}), Column(CmmconfRecordList::kColumnRole));
  EXPECT_EQ((Names{"2025-01-05 09:10:00", "2025-02-01 12:00:00", "2025-03-02 11:30:00"}),
            Column(CmmconfRecordList::kColumnEnd));
  LVCOLUMN column = {};
  char heading[32];
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = heading;
  column.cchTextMax = sizeof heading;
  const std::pair<const char*, int> expected[] = {{"会议主题", 210}, {"初始角色", 60}, {"加入时间", 126}, {"结束时间", 126}};
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(page->m_listRecords.GetColumn(i, &column));
    EXPECT_STREQ(expected[i].first, heading);
    EXPECT_EQ(expected[i].second, column.cx);
  }
  EXPECT_TRUE(page->m_listRecords.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
  CRect row;
  ASSERT_TRUE(page->m_listRecords.GetItemRect(0, &row, LVIR_BOUNDS));
  EXPECT_EQ(16, row.Height());

  // Choosing the page again lists the records once, not twice.
  ASSERT_TRUE(Click(Start(), IDC_RADIO_JOIN_CONF));
  ASSERT_TRUE(Click(Start(), IDC_RADIO_CONF_RECORD));
  EXPECT_EQ(3u, Titles().size());
}

TEST_F(RecordListTest, EachColumnSortsBothWaysIgnoringCase) {
  SaveThree();
  OpenRecords();
  struct Step {
    int column;
    Names order;
  };
  const Step steps[] = {
      {CmmconfRecordList::kColumnStart, {"beta", "Gamma", "alpha"}},  // the sort column toggles
      {CmmconfRecordList::kColumnTitle, {"alpha", "beta", "Gamma"}},  // a new column ascends
      {CmmconfRecordList::kColumnTitle, {"Gamma", "beta", "alpha"}},
      {CmmconfRecordList::kColumnRole, {"Gamma", "alpha", "beta"}},   // GBK: 成 < 访 < 主
      {CmmconfRecordList::kColumnRole, {"beta", "alpha", "Gamma"}},
      {CmmconfRecordList::kColumnEnd, {"alpha", "Gamma", "beta"}},
      {CmmconfRecordList::kColumnEnd, {"beta", "Gamma", "alpha"}},
      {CmmconfRecordList::kColumnStart, {"alpha", "Gamma", "beta"}},
  };
  for (const Step& step : steps) {
    ASSERT_TRUE(platform::user::ClickListColumn(List(), step.column));
    EXPECT_EQ(step.order, Titles()) << "column " << step.column;
  }
}

TEST_F(RecordListTest, SortStateIsSharedByLaterPagesAndFills) {
  SaveThree();
  OpenRecords();
  ASSERT_TRUE(platform::user::ClickListColumn(List(), CmmconfRecordList::kColumnTitle));
  ASSERT_TRUE(platform::user::ClickListColumn(List(), CmmconfRecordList::kColumnTitle));
  CmmconfRecordList other(Start());
  ASSERT_TRUE(other.Create(IDD_MMCONF_RECORDS, Start()));
  other.Fill(Module()->m_dataConfList);
  EXPECT_EQ((Names{"Gamma", "beta", "alpha"}), Column(other.m_listRecords, CmmconfRecordList::kColumnTitle));
  other.DestroyWindow();
}

TEST_F(RecordListTest, DoubleClickShowsTheRecordInThePopupSlot) {
  SaveThree();
  OpenRecords();
  DetailSeen seen;
  OnceInModal(platform::ModalKind::Dialog,
              [&](const platform::ModalState& state) { ReadDetail(Module(), state.window, &seen); });
  ASSERT_TRUE(platform::user::DoubleClickListItem(List(), 2));
  ASSERT_TRUE(seen.shown);
  EXPECT_TRUE(seen.inPopupSlot);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg) << "the slot is emptied when the dialog ends";
  EXPECT_EQ("会议记录详细信息", seen.caption);
  EXPECT_EQ("beta", seen.title);
  EXPECT_EQ("2025-03-02 10:00:00", seen.start);
  EXPECT_EQ("2025-03-02 11:30:00", seen.end);
  EXPECT_EQ("主席", seen.role);
  // The empty event has no row; a short one shows its first 19 characters and no event.
  using Row = std::pair<std::string, std::string>;
  EXPECT_EQ((std::vector<Row>{{"2025-03-02 10:00:05", "加入会议"},
                              {"2025-03-02 10:05:00", "张三成为主席"},
                              {"2025-03-02 短", ""}}),
            seen.events);
  auto skins = Host().EventsWithCode(kHostSkinWindow);
  ASSERT_FALSE(skins.empty());
  EXPECT_STREQ("media.skn", skins.back().As<HostSkinBlock>()->pSkinFile);
  EXPECT_STREQ("", skins.back().As<HostSkinBlock>()->pSection);
}

TEST_F(RecordListTest, EnterOnTheListAndTheMenuShowDetailsAndTheHostCanCloseThem) {
  SaveThree();
  OpenRecords();
  int shown = 0;
  OnModal([&](const platform::ModalState& state) {
    if (state.kind == platform::ModalKind::Menu) {
      EXPECT_NE(nullptr, platform::Menus::Current()->Find(ID_RECORD_DELETE));
      platform::Menus::Choose(ID_RECORD_VIEW);
    } else if (state.kind == platform::ModalKind::Dialog) {
      ++shown;
      EXPECT_NE(nullptr, Module()->m_pActiveCommonDlg);
      Module()->ClosePopupDialogs();  // the host ends the pop-up
    }
  });
  ASSERT_TRUE(platform::user::ClickListItem(List(), 0));
  ASSERT_TRUE(platform::user::PressEnter());
  EXPECT_EQ(1, shown);
  EXPECT_TRUE(Visible(Start())) << "Enter does not reach the exit button";
  ASSERT_TRUE(platform::user::ClickListItem(List(), 1, true));
  EXPECT_EQ(2, shown);
  ASSERT_EQ(1u, platform::Menus::Shown().size());
  const platform::MenuRecord& menu = platform::Menus::Shown()[0];
  ASSERT_EQ(2u, menu.items.size());
  EXPECT_EQ(CString("查看(&S)"), menu.items[0].text);
  EXPECT_EQ(CString("删除(&D)"), menu.items[1].text);
  EXPECT_EQ(nullptr, Module()->m_pActiveCommonDlg);
}

TEST_F(RecordListTest, NothingSelectedOpensNoDetailsAndNoMenu) {
  SaveThree();
  OpenRecords();
  SetFocus(List());
  ASSERT_TRUE(platform::user::PressEnter());
  ASSERT_TRUE(platform::user::PressDelete());
  Start()->m_pRecordList->SendMessage(WM_COMMAND, ID_RECORD_VIEW, 0);
  EXPECT_TRUE(platform::Menus::Shown().empty());
  EXPECT_TRUE(MessageBoxesShown().empty());
  EXPECT_EQ(3u, Titles().size());
}

TEST_F(RecordListTest, DeletingSelectedRecordsAsksOnceAndRewritesTheFile) {
  SaveThree();
  OpenRecords();
  SelectRows({0, 2});
  ASSERT_TRUE(platform::user::PressDelete());
  ASSERT_EQ(1u, MessageBoxesShown().size());
  const platform::MessageBoxRecord& box = MessageBoxesShown()[0];
  EXPECT_EQ(CString("您确定删除会议记录！"), box.text);
  EXPECT_EQ(CString(GetMsgTitle()), box.caption);
  EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONQUESTION), box.flags);
  EXPECT_EQ((Names{"Gamma"}), Titles());
  EXPECT_EQ((Names{"Gamma"}), SavedTitles());
  ASSERT_EQ(1, Module()->m_dataConfList.GetSize());
  EXPECT_EQ(CString("Gamma"), Module()->m_dataConfList[0].csTitle);
}

TEST_F(RecordListTest, DeletingEveryRecordThroughTheMenuLeavesAnEmptyFile) {
  SaveThree();
  OpenRecords();
  SelectRows({0, 1, 2});
  OnceInModal(platform::ModalKind::Menu, [](const platform::ModalState&) { platform::Menus::Choose(ID_RECORD_DELETE); });
  ASSERT_TRUE(platform::user::ClickListItem(List(), 1, true));
  EXPECT_EQ(1u, MessageBoxesShown().size());
  EXPECT_TRUE(Titles().empty());
  EXPECT_TRUE(SavedTitles().empty());
}

TEST_F(RecordListTest, CancelledDeletionKeepsRowsAndFile) {
  SaveThree();
  OpenRecords();
  SelectRows({1});
  ScriptMessageBox(IDCANCEL);
  ASSERT_TRUE(platform::user::PressDelete());
  EXPECT_EQ(3u, Titles().size());
  EXPECT_EQ((Names{"beta", "Gamma", "alpha"}), SavedTitles());
}

TEST_F(RecordListTest, RowsKeepTheirRecordsWhileTheSavedListChanges) {
  SaveThree();
  OpenRecords();
  // A conference ends meanwhile and is saved at the front of the module's list.
  Module()->AddDataConfInfo(Record("delta", "成员", "2025-04-01 09:00:00", "2025-04-01 10:00:00"));
  SelectRows({1});  // "Gamma"
  ASSERT_TRUE(platform::user::PressDelete());
  EXPECT_EQ((Names{"alpha", "beta"}), Titles());
  EXPECT_EQ((Names{"delta", "beta", "alpha"}), SavedTitles());
}

TEST_F(RecordListTest, AMissingFileListsNothing) {
  OpenRecords();
  EXPECT_TRUE(Titles().empty());
  EXPECT_TRUE(Module()->m_bDataConfLoaded);
}

TEST_F(RecordListTest, ADamagedFileListsNothingAndIsLeftAlone) {
  std::string path = Module()->GetDataConfFilePath().str();
  const std::string damaged = "CharToCode\x01\x02garbage";
  std::ofstream(path, std::ios::binary) << damaged;
  OpenRecords();
  EXPECT_TRUE(Titles().empty());
  bool logged = false;
  for (const std::string& line : Host().LogLines()) logged |= line.find("is damaged") != std::string::npos;
  EXPECT_TRUE(logged);
  std::ifstream file(path, std::ios::binary);
  EXPECT_EQ(damaged, std::string(std::istreambuf_iterator<char>(file), {})) << "the damaged file is left alone";
}

TEST_F(RecordListTest, ExitHidesTheStartWindowAndTellsTheHost) {
  OpenRecords();
  Host().Clear();
  ASSERT_TRUE(Click(Start()->m_pRecordList, IDOK));
  EXPECT_FALSE(Visible(Start()));
  EXPECT_EQ(1u, Host().CountCode(kHostStateChanged));
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Start()->m_pRecordList->m_hWnd, IDCANCEL)));
}

TEST(RecordEventSplit, TimeAndTextAroundTheSeparator) {
  struct Case {
    const char* event;
    const char* time;
    const char* text;
  } cases[] = {
      {"2025-01-05 09:00:00 开始", "2025-01-05 09:00:00", "开始"},
      {"2025-01-05 09:00:00", "2025-01-05 09:00:00", ""},
      {"短", "短", ""},
      // A double-byte character across the 19th byte stays whole in the time.
      {"2025-01-05 09:00:0会议", "2025-01-05 09:00:0", "议"},
  };
  for (const Case& c : cases) {
    CString time, text;
    SplitRecordEvent(c.event, &time, &text);
    EXPECT_EQ(CString(c.time), time) << c.event;
    EXPECT_EQ(CString(c.text), text) << c.event;
  }
}

}  // namespace
}  // namespace tavtest
