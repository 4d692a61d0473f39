// The defaults page and "mmc_dfs.dat": loading from the file, its backup, the user record's
// older copy or the built-in values, and changing the defaults. The file's form is tested in
// tests/module/ConfDefaultsFileTest.cpp.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/Codecs.h"
#include "platform/Files.h"
#include "setup/mmconfDefaultSet.h"
#include "tests/setup/SetupFixture.h"
#include "tests/support/Faults.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {
namespace {

class DefaultsPageTest : public SetupTest {
 protected:
  bool Logged(const std::string& part) {
    for (const std::string& line : Host().LogLines())
      if (line.find(part) != std::string::npos) return true;
    return false;
  }
  // The file the built-in values give: the default password in all three password fields, the
  // prompt-sound switch kept.
  std::string BuiltInText() {
    std::string pwd = Start()->GetDefaultPassword().str();
    std::string sound = std::to_string(Module()->m_confDefaultData.playstatussound);
    return HexEncodeString(("<mmc_dfs><data subject=\"\" maxnum=\"0\" period=\"0\" remaintime=\"0\" mempwd=\"" + pwd +
                            "\" masterpwd=\"" + pwd + "\" visitorpwd=\"" + pwd +
                            "\" playstatussound=\"" + sound + "\"></data></mmc_dfs>").c_str()).str();
  }
  CmmconfDefaultSet* Page() { return Start()->m_pDefaultSet; }
  std::string FilePath() { return UserPath() + GetUserData()->m_csOwnName.str() + "mmc_dfs.dat"; }
  std::string FileText() {
    std::ifstream file(FilePath(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  void Modify(const char* maxnum, const char* period, const char* remain) {
    SetField(Page(), IDC_DFS_MAX_MEMBERS, maxnum);
    SetField(Page(), IDC_DFS_DURATION, period);
    SetField(Page(), IDC_DFS_REMAIN_NOTICE, remain);
    ASSERT_TRUE(Click(Page(), IDOK));
  }
  std::string BackupPath() { return UserPath() + GetUserData()->m_csOwnName.str() + "mmc_dfs.bak"; }
  // Reads the file into a cleared record, as a later run does.
  ConfDefaultData Reload() {
    Module()->m_confDefaultData = ConfDefaultData();
    EXPECT_TRUE(Page()->LoadDefaultDataFromFile());
    return Module()->m_confDefaultData;
  }
  void OpenOnDefaults() {
    OpenUI();
    Start()->ShowPage(kPageDefaults);
  }
};

std::string Hex(const std::string& text) { return HexEncodeString(text.c_str()).str(); }

TEST_F(DefaultsPageTest, WithoutFileOrOlderCopyTheBuiltInValuesAreShownAndWritten) {
  OpenOnDefaults();
  CString password = Start()->GetDefaultPassword();
  EXPECT_EQ(CString(), ItemText(Page(), IDC_DFS_SUBJECT));
  EXPECT_EQ(CString("0"), ItemText(Page(), IDC_DFS_MAX_MEMBERS));
  EXPECT_EQ(CString("0"), ItemText(Page(), IDC_DFS_DURATION));
  for (int id : {IDC_DFS_MEMBER_PWD, IDC_DFS_CHAIR_PWD, IDC_DFS_VISITOR_PWD}) EXPECT_EQ(password, ItemText(Page(), id));
  EXPECT_FALSE(FileText().empty());
  EXPECT_FALSE(Page()->m_bLoaded);
  // The create page took them, within its ranges.
  EXPECT_EQ(CString("新建会议"), ItemText(CreatePage(), IDC_SUBJECT));
  EXPECT_EQ(CString("5"), ItemText(CreatePage(), IDC_MAX_MEMBERS));
  EXPECT_EQ(password, ItemText(CreatePage(), IDC_VISITOR_PWD));
  EXPECT_EQ(Start()->DefaultPasswordHint(), Hint());
  // The next load reads the file just written.
  Page()->LoadDefaultData();
  EXPECT_TRUE(Page()->m_bLoaded);
}

TEST_F(DefaultsPageTest, ADamagedFileWithoutBackupShowsTheBuiltInValuesAndIsLeftAsItIs) {
  std::ofstream(FilePath()) << "3c6d7z";
  Module()->m_confDefaultData.subject = "before";
  OpenOnDefaults();
  EXPECT_TRUE(Logged("LoadDefaultDataFromFile()  Exception --- strDebugFlag=6"));
  EXPECT_TRUE(Logged("is damaged and has no usable backup"));
  EXPECT_EQ(CString(), Module()->m_confDefaultData.subject);
  EXPECT_EQ(Start()->GetDefaultPassword(), Module()->m_confDefaultData.masterpwd);
  EXPECT_EQ("3c6d7z", FileText()) << "the damaged file is never written over";
  // The user saves defaults of their own: the damaged bytes are kept beside the new file.
  Modify("4", "30", "5");
  std::ifstream aside(FilePath() + ".damaged", std::ios::binary);
  EXPECT_EQ("3c6d7z", std::string(std::istreambuf_iterator<char>(aside), {}));
  EXPECT_EQ(4, Reload().maxnum);
}

TEST_F(DefaultsPageTest, AFileThatCannotBeReadIsLeftAlone) {
  std::filesystem::create_directories(FilePath());
  Module()->m_confDefaultData.subject = "before";
  OpenOnDefaults();
  EXPECT_TRUE(Logged("LoadDefaultDataFromFile()  Exception --- strDebugFlag=1"));
  EXPECT_TRUE(Page()->m_bLoaded) << "the built-in values stand in memory";
  EXPECT_EQ(CString(), Module()->m_confDefaultData.subject);
  EXPECT_TRUE(std::filesystem::is_directory(FilePath()));
}

TEST_F(DefaultsPageTest, AnOlderCopyInTheUserRecordMovesIntoTheFileOnce) {
  ConfDefaultsGroup& group = GetUserData()->m_confDefaults;
  group.csSubject = "旧会议";
  group.iMaxNum = 6;
  group.iPeriod = 40;
  group.iRemainTime = 4;
  group.csMasterPwd = "99";
  OpenOnDefaults();
  EXPECT_EQ(CString("旧会议"), Module()->m_confDefaultData.subject);
  EXPECT_EQ(CString("99"), Module()->m_confDefaultData.masterpwd);
  EXPECT_EQ(CString(), GetUserData()->m_confDefaults.csSubject);
  EXPECT_EQ(0, GetUserData()->m_confDefaults.iMaxNum);
  EXPECT_TRUE(Page()->m_bLoaded);
  EXPECT_NE(std::string::npos, FileText().find(Hex("subject=\"旧会议\" maxnum=\"6\"")));
}

TEST_F(DefaultsPageTest, OkChecksInOrderAndStoresTheDefaults) {
  OpenOnDefaults();
  struct Case {
    const char *maxnum, *period, *remain, *message;
  };
  const Case cases[] = {
      {"", "", "", "请输入最大成员数！"},
      {"1", "", "", "最大成员数不能小于2！"},
      {"2", "", "", "请输入会议时长！"},
      {"2", "2", "", "会议时长不能小于3！"},
      {"2", "30", "", "请输入剩余时间通知时间！"},
      {"2", "30", "0", "剩余时间通知时间不能小于1！"},
      {"2", "30", "30", "剩余时间通知时间要小于会议时长！"},
  };
  for (const Case& c : cases) {
    Modify(c.maxnum, c.period, c.remain);
    EXPECT_EQ(std::string(c.message), LastMessageBoxText().str()) << c.maxnum << "/" << c.period << "/" << c.remain;
  }
  SetField(Page(), IDC_DFS_SUBJECT, "例会");
  SetField(Page(), IDC_DFS_MEMBER_PWD, "");
  SetField(Page(), IDC_DFS_CHAIR_PWD, "");
  Modify("2", "30", "29");
  EXPECT_EQ(std::string("会议缺省设置修改成功！"), LastMessageBoxText().str());
  const ConfDefaultData& d = Module()->m_confDefaultData;
  EXPECT_EQ(CString("例会"), d.subject);
  EXPECT_EQ(2, d.maxnum);
  EXPECT_EQ(29, d.remaintime);
  EXPECT_EQ(CString(), d.masterpwd);
  EXPECT_NE(std::string::npos, FileText().find(Hex("subject=\"例会\" maxnum=\"2\" period=\"30\"")));
  EXPECT_EQ(CString("例会"), ItemText(CreatePage(), IDC_SUBJECT));
  EXPECT_EQ(CString("29"), ItemText(CreatePage(), IDC_REMAIN_NOTICE));
}

TEST_F(DefaultsPageTest, ASubjectOverFortyCharactersIsRefusedByTheExchange) {
  OpenOnDefaults();
  SetField(Page(), IDC_DFS_SUBJECT, std::string(41, 's').c_str());
  Modify("4", "30", "5");
  EXPECT_NE(std::string("会议缺省设置修改成功！"), LastMessageBoxText().str());
  EXPECT_EQ(CString(), Module()->m_confDefaultData.subject);
  SetField(Page(), IDC_DFS_SUBJECT, std::string(40, 's').c_str());
  Modify("4", "30", "5");
  EXPECT_EQ(CString(std::string(40, 's').c_str()), Module()->m_confDefaultData.subject);
}

TEST_F(DefaultsPageTest, AFullDiskWritesNothingAndSaysNothing) {
  OpenOnDefaults();
  std::remove(FilePath().c_str());
  VzData().states.iDiskSpace = 2;
  size_t boxes = MessageBoxesShown().size();
  Modify("4", "30", "5");
  EXPECT_EQ(boxes, MessageBoxesShown().size());
  EXPECT_EQ(4, Module()->m_confDefaultData.maxnum) << "the record holds the new values";
  EXPECT_TRUE(FileText().empty());
}

// ---- Stored data that survives what a disk does ----

TEST_F(DefaultsPageTest, AFailedOrShortWriteSaysSoAndKeepsTheLastGoodFile) {
  OpenOnDefaults();
  SetField(Page(), IDC_DFS_SUBJECT, "好");
  Modify("4", "30", "5");
  std::string good = FileText();
  for (size_t written : {0, 1, 100}) {
    faults::FailFileWrites(1, written);
    SetField(Page(), IDC_DFS_SUBJECT, "坏");
    size_t boxes = MessageBoxesShown().size();
    Modify("6", "30", "5");
    EXPECT_EQ(boxes, MessageBoxesShown().size()) << "no success reported after " << written << " bytes";
    EXPECT_TRUE(Logged("could not be written")) << written;
    EXPECT_EQ(good, FileText()) << written;
    EXPECT_FALSE(std::filesystem::exists(FilePath() + ".writing")) << written;
    EXPECT_EQ(CString("好"), Reload().subject) << written;
  }
}

// An older version left the backup beside a file it failed to write (cut, empty or missing).
TEST_F(DefaultsPageTest, ACutEmptyOrMissingFileGivesWayToTheBackupBesideIt) {
  std::string good = Hex("<mmc_dfs><data subject=\"备份\" maxnum=\"9\" period=\"50\" remaintime=\"6\" mempwd=\"1\" "
                         "masterpwd=\"2\" visitorpwd=\"3\" playstatussound=\"1\"></data></mmc_dfs>");
  std::ofstream(BackupPath(), std::ios::binary) << good;
  OpenOnDefaults();
  for (size_t cut : {size_t(0), good.size() / 2, good.size() - 1}) {
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << good.substr(0, cut);
    Host().Clear();
    ConfDefaultData loaded = Reload();
    EXPECT_EQ(CString("备份"), loaded.subject) << cut;
    EXPECT_EQ(9, loaded.maxnum) << cut;
    EXPECT_TRUE(Logged("the defaults were read from the backup")) << cut;
  }
  std::remove(FilePath().c_str());
  EXPECT_EQ(CString("备份"), Reload().subject);
  // The next good write makes the backup unneeded.
  Modify("4", "30", "5");
  EXPECT_FALSE(std::filesystem::exists(BackupPath()));
  EXPECT_EQ(4, Reload().maxnum);
}

TEST_F(DefaultsPageTest, AnEmptyFileWithoutBackupShowsTheBuiltInValues) {
  std::ofstream(FilePath(), std::ios::binary) << "";
  OpenOnDefaults();
  EXPECT_EQ(Start()->GetDefaultPassword(), ItemText(Page(), IDC_DFS_CHAIR_PWD));
  EXPECT_EQ("", FileText()) << "nothing is written until the user saves";
}

}  // namespace
}  // namespace tavtest
