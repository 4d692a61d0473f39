// Ini files, StrToInt, files and folders, GUIDs and the tick count.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Guid.h"
#include "platform/Profile.h"
#include "platform/Tick.h"

namespace {

class SystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tav-system-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir = pattern;
  }
  void TearDown() override {
    std::string cmd = "rm -rf '" + dir + "'";
    ASSERT_EQ(0, system(cmd.c_str()));
  }
  // A Windows-style path inside the test folder.
  std::string WinPath(const std::string& name) {
    std::string p = dir + "\\" + name;
    return p;
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir + "/" + name, std::ios::binary) << text;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir + "/" + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  std::string dir;
};

TEST(StrToIntTest, TakesTheLeadingDecimalDigits) {
  EXPECT_EQ(12, StrToInt("12abc"));
  EXPECT_EQ(0, StrToInt("abc"));
  EXPECT_EQ(-7, StrToInt("  -7"));
  EXPECT_EQ(5, StrToInt("+5"));
  EXPECT_EQ(0, StrToInt(""));
  EXPECT_EQ(0, StrToInt(nullptr));
}

TEST_F(SystemTest, ProfileIntGivesTheDefaultOnlyForAnAbsentKey) {
  Write("a.ini", "[Conf]\r\nConfType = 7 \r\nEmpty=\r\nWord=abc\r\nLead=12x\r\n[Other]\r\nConfType=9\r\n");
  std::string ini = WinPath("a.ini");
  EXPECT_EQ(7u, GetPrivateProfileInt("Conf", "ConfType", -1, ini.c_str()));
  EXPECT_EQ(7u, GetPrivateProfileInt("conf", "CONFTYPE", -1, ini.c_str()));  // names without case
  EXPECT_EQ(0u, GetPrivateProfileInt("Conf", "Empty", 5, ini.c_str()));
  EXPECT_EQ(0u, GetPrivateProfileInt("Conf", "Word", 5, ini.c_str()));
  EXPECT_EQ(12u, GetPrivateProfileInt("Conf", "Lead", 5, ini.c_str()));
  EXPECT_EQ((UINT)-1, GetPrivateProfileInt("Conf", "Missing", -1, ini.c_str()));
  EXPECT_EQ(9u, GetPrivateProfileInt("Other", "ConfType", 0, ini.c_str()));
  EXPECT_EQ(3u, GetPrivateProfileInt("Conf", "x", 3, WinPath("none.ini").c_str()));
}

TEST_F(SystemTest, ProfileStringsTrimQuotesAndCutSafely) {
  Write("b.ini", "[S]\nQuoted=\"  padded  \"\nName=会议室\n");
  std::string ini = WinPath("b.ini");
  char buffer[64];
  EXPECT_EQ(10u, GetPrivateProfileString("S", "Quoted", "", buffer, sizeof buffer, ini.c_str()));
  EXPECT_STREQ("  padded  ", buffer);
  char small[6];
  EXPECT_EQ(4u, GetPrivateProfileString("S", "Name", "", small, sizeof small, ini.c_str()));
  EXPECT_STREQ("会议", small);  // never half a character
  GetPrivateProfileString("S", "Nope", "默认  ", buffer, sizeof buffer, ini.c_str());
  EXPECT_STREQ("默认", buffer);
  char names[64];
  DWORD n = GetPrivateProfileString("S", nullptr, "", names, sizeof names, ini.c_str());
  EXPECT_EQ(std::string("Quoted\0Name\0", 12), std::string(names, n));
}

TEST_F(SystemTest, WritingKeepsOtherLinesAndReplacesInPlace) {
  Write("c.ini", "; comment\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  std::string ini = WinPath("c.ini");
  EXPECT_TRUE(WritePrivateProfileString("A", "X", "10", ini.c_str()));
  EXPECT_TRUE(WritePrivateProfileString("A", "z", "3", ini.c_str()));
  EXPECT_TRUE(WritePrivateProfileString("C", "w", "4", ini.c_str()));
  EXPECT_TRUE(WritePrivateProfileString("B", "y", nullptr, ini.c_str()));
  EXPECT_EQ("; comment\r\n[A]\r\nX=10\r\nz=3\r\n\r\n[B]\r\n[C]\r\nw=4\r\n", Read("c.ini"));
  EXPECT_TRUE(WritePrivateProfileString("A", nullptr, nullptr, ini.c_str()));
  EXPECT_EQ("; comment\r\n[B]\r\n[C]\r\nw=4\r\n", Read("c.ini"));
  EXPECT_TRUE(WritePrivateProfileString("New", "k", "v", WinPath("new.ini").c_str()));
  EXPECT_EQ("[New]\r\nk=v\r\n", Read("new.ini"));
}

TEST_F(SystemTest, FilesWithBackslashesAndChineseNames) {
  // Literals are GBK bytes, as the module passes them; u8 literals stay UTF-8 (the Linux name).
  std::string gbkFolder = dir + "\\资料";
  const std::string native = u8"资料";
  EXPECT_TRUE(CreateDirectory(gbkFolder.c_str()));
  EXPECT_FALSE(CreateDirectory(gbkFolder.c_str()));
  EXPECT_EQ((DWORD)FILE_ATTRIBUTE_DIRECTORY, GetFileAttributes(gbkFolder.c_str()));
  EXPECT_EQ(0, access((dir + "/" + native).c_str(), F_OK));  // stored under its UTF-8 name
  std::string file = gbkFolder + "\\a.dat";
  Write(native + "/a.dat", "payload");
  EXPECT_TRUE(PathFileExists(file.c_str()));
  std::string copy = gbkFolder + "\\b.dat";
  EXPECT_TRUE(CopyFile(file.c_str(), copy.c_str(), TRUE));
  EXPECT_FALSE(CopyFile(file.c_str(), copy.c_str(), TRUE));
  EXPECT_EQ("payload", Read(native + "/b.dat"));
  EXPECT_FALSE(MoveFile(file.c_str(), copy.c_str()));  // the target exists
  EXPECT_TRUE(DeleteFile(copy.c_str()));
  EXPECT_TRUE(MoveFile(file.c_str(), copy.c_str()));
  EXPECT_FALSE(PathFileExists(file.c_str()));
  EXPECT_EQ(7, GetFileSizeOf(copy.c_str()));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributes(file.c_str()));
}

TEST(GuidTest, TextIsLowerCaseWithDashesAndSeedsRepeat) {
  GUID g = {0x0123ABCD, 0x4567, 0x89EF, {0xA0, 0xB1, 0xC2, 0xD3, 0xE4, 0xF5, 0x06, 0x17}};
  EXPECT_EQ("0123abcd-4567-89ef-a0b1-c2d3e4f50617", platform::GuidToText(g));
  platform::SetGuidSeed(42);
  GUID a, b, c;
  CoCreateGuid(&a);
  CoCreateGuid(&b);
  platform::SetGuidSeed(42);
  CoCreateGuid(&c);
  EXPECT_EQ(platform::GuidToText(a), platform::GuidToText(c));
  EXPECT_NE(platform::GuidToText(a), platform::GuidToText(b));
  EXPECT_EQ('4', platform::GuidToText(a)[14]);  // version 4
  platform::UseRandomGuids();
}

TEST(TickTest, SleepMovesTheVirtualClock) {
  platform::Clock::UseVirtual(1700000000);
  DWORD before = GetTickCount();
  Sleep(2500);
  EXPECT_EQ(2500u, GetTickCount() - before);
  EXPECT_EQ(1700000002, platform::Clock::UnixTime());
  platform::Clock::UseReal();
}

}  // namespace
