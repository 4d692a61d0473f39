#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "module/DataConfList.h"
#include "tests/support/module/ModuleFixture.h"

namespace {

using tavtest::ModuleTest;

DataConfInfo MakeInfo(const char* title, const char* uri, const char* start) {
  DataConfInfo info;
  info.csTitle = title;
  info.csURI = uri;
  info.csStartTime = start;
  info.csEndTime = "2025-01-05 10:00:00";
  info.csStartRole = "主席";
  info.saEvents.Add("2025-01-05 09:05:03 张伟加入会议");
  info.saEvents.Add("2025-01-05 09:06:00 白板开始");
  return info;
}

void ExpectSame(const DataConfInfoList& want, const DataConfInfoList& got) {
  ASSERT_EQ(want.GetSize(), got.GetSize());
  for (int i = 0; i < want.GetSize(); ++i) {
    EXPECT_EQ(want[i].csTitle, got[i].csTitle);
    EXPECT_EQ(want[i].csURI, got[i].csURI);
    EXPECT_EQ(want[i].csStartTime, got[i].csStartTime);
    EXPECT_EQ(want[i].csEndTime, got[i].csEndTime);
    EXPECT_EQ(want[i].csStartRole, got[i].csStartRole);
    ASSERT_EQ(want[i].saEvents.GetSize(), got[i].saEvents.GetSize());
    for (int e = 0; e < want[i].saEvents.GetSize(); ++e) EXPECT_EQ(want[i].saEvents[e], got[i].saEvents[e]);
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

TEST(DataConfList, ScramblerIsItsOwnInverseAndHidesTheText) {
  std::string plain = "MMCLIST 1\nC\tweekly\tsip:conf@h\n";
  std::string scrambled = ScrambleBytes(plain);
  EXPECT_EQ(plain.size(), scrambled.size());
  EXPECT_EQ(std::string::npos, scrambled.find("MMCLIST"));
  EXPECT_EQ(std::string::npos, scrambled.find("sip:"));
  EXPECT_EQ(plain, ScrambleBytes(scrambled));
}

TEST(DataConfList, TextRoundTripsAwkwardFields) {
  DataConfInfoList list;
  list.Add(MakeInfo("tab\there\nand line", "sip:a@h", "2025-01-05 09:00:00"));
  // A double-byte character whose trail byte is '\\', a lone backslash and an empty field.
  DataConfInfo odd = MakeInfo("\x81\x5c\\x", "", "");
  odd.saEvents.RemoveAll();
  list.Add(odd);
  list.Add(DataConfInfo());
  DataConfInfoList back;
  ASSERT_TRUE(ParseDataConfList(FormatDataConfList(list), &back));
  ExpectSame(list, back);
}

TEST(DataConfList, ParseRefusesDamageAndLeavesTheOutputAlone) {
  DataConfInfoList kept;
  kept.Add(MakeInfo("kept", "sip:k@h", "2025-01-01 00:00:00"));
  const char* damaged[] = {
      "",
      "MMCLIST 2\n",
      "MMCLIST 1",                               // no line end
      "MMCLIST 1\nE\tevent before any conference\n",
      "MMCLIST 1\nC\ttoo\tfew\n",
      "MMCLIST 1\nC\ta\tb\tc\td\te\n\n",        // empty line
      "MMCLIST 1\nC\ta\\q\tb\tc\td\te\n",        // unknown escape
      "MMCLIST 1\nC\ta\tb\tc\td\te\\\n",         // escape at the end
      "MMCLIST 1\nX\tunknown\n",
  };
  for (const char* text : damaged) {
    EXPECT_FALSE(ParseDataConfList(text, &kept)) << text;
    ASSERT_EQ(1, kept.GetSize());
    EXPECT_EQ(CString("kept"), kept[0].csTitle);
  }
}

TEST_F(ModuleTest, SavedListSurvivesAReload) {
  Module()->AddDataConfInfo(MakeInfo("周例会", "sip:c1@h", "2025-01-05 09:00:00"));
  Module()->AddDataConfInfo(MakeInfo("评审会", "sip:c2@h", "2025-01-06 14:30:00"));
  std::string file = ReadFile(UserPath() + "mmc.dat");
  EXPECT_EQ(0u, file.find("CharToCode"));
  EXPECT_EQ(std::string::npos, file.find("sip:c1")) << "the entries are scrambled";

  DataConfInfoList saved;
  saved.Copy(Module()->m_dataConfList);
  Module()->m_dataConfList.RemoveAll();
  Module()->LoadDataConfFromFile();
  EXPECT_TRUE(Module()->m_bDataConfLoaded);
  ExpectSame(saved, Module()->m_dataConfList);
  EXPECT_EQ(CString("评审会"), Module()->m_dataConfList[0].csTitle) << "the newest comes first";
}

TEST_F(ModuleTest, DamagedFileIsRefusedAndTheListInMemoryKept) {
  Module()->AddDataConfInfo(MakeInfo("周例会", "sip:c1@h", "2025-01-05 09:00:00"));
  std::string path = UserPath() + "mmc.dat";
  std::string good = ReadFile(path);
  const std::string damaged[] = {
      "NotAMarker" + good.substr(10),
      good.substr(0, good.size() - 5),
      good.substr(0, 10),
      good + "x",
  };
  for (const std::string& content : damaged) {
    WriteFile(path, content);
    Host().Clear();
    Module()->LoadDataConfFromFile();
    ASSERT_EQ(1, Module()->m_dataConfList.GetSize());
    EXPECT_EQ(CString("sip:c1@h"), Module()->m_dataConfList[0].csURI);
    ASSERT_EQ(1u, Host().LogLines().size());
    EXPECT_NE(std::string::npos, Host().LogLines()[0].find("is damaged, list kept"));
  }
}

// A long history near the load limit: the conference that ends next still fits, the oldest
// ones make room, and the file stays one that the next run reads.
TEST_F(ModuleTest, TheSavedListNeverGrowsPastWhatItsLoadReads) {
  const std::string event(1000 * 1000, 'e');
  DataConfInfoList history;
  for (int i = 0; i < 16; ++i) {
    history.Add(MakeInfo(("old " + std::to_string(i)).c_str(), "sip:old@h", "2025-01-05 09:00:00"));
    history[i].saEvents.Add(event.c_str());
  }
  std::string path = UserPath() + "mmc.dat";
  ASSERT_TRUE(SaveDataConfListFile(path.c_str(), history));
  Module()->LoadDataConfFromFile();
  ASSERT_EQ(16, Module()->m_dataConfList.GetSize());
  DataConfInfo latest = MakeInfo("new", "sip:new@h", "2025-02-01 09:00:00");
  latest.saEvents.Add(event.c_str());
  Module()->AddDataConfInfo(latest);
  EXPECT_LE(std::filesystem::file_size(path), kDataConfFileLimit);
  DataConfInfoList fromFile;
  ASSERT_TRUE(LoadDataConfListFile(path.c_str(), &fromFile));
  ASSERT_EQ(16, fromFile.GetSize());
  EXPECT_EQ(CString("new"), fromFile[0].csTitle);
  EXPECT_EQ(CString("old 14"), fromFile[15].csTitle) << "the oldest went";
  ExpectSame(Module()->m_dataConfList, fromFile);
}

TEST_F(ModuleTest, MissingFileIsLoggedAndLeavesAnEmptyList) {
  Module()->LoadDataConfFromFile();
  EXPECT_TRUE(Module()->m_bDataConfLoaded);
  EXPECT_TRUE(Module()->m_dataConfList.IsEmpty());
  ASSERT_EQ(1u, Host().LogLines().size());
  EXPECT_NE(std::string::npos, Host().LogLines()[0].find("mmc.dat) is not exist!"));
}

TEST_F(ModuleTest, DeletingAnEntryRewritesTheFile) {
  Module()->AddDataConfInfo(MakeInfo("a", "sip:c1@h", "2025-01-05 09:00:00"));
  Module()->AddDataConfInfo(MakeInfo("b", "sip:c2@h", "2025-01-05 09:00:00"));
  Module()->DelDataConfInfoFromList(DataConfInfo());
  EXPECT_EQ(2, Module()->m_dataConfList.GetSize()) << "no URI and no start time: nothing";
  Module()->DelDataConfInfoFromList(MakeInfo("other title", "sip:c1@h", "2025-01-05 09:00:00"));
  ASSERT_EQ(1, Module()->m_dataConfList.GetSize());
  EXPECT_EQ(CString("b"), Module()->m_dataConfList[0].csTitle);
  DataConfInfoList fromFile;
  ASSERT_TRUE(LoadDataConfListFile((UserPath() + "mmc.dat").c_str(), &fromFile));
  ExpectSame(Module()->m_dataConfList, fromFile);
}

}  // namespace
