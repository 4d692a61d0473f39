// "mmc_dfs.dat": the record's bytes, every subject back as typed, the files earlier versions
// wrote, and damaged bytes refused without touching the record.
#include <gtest/gtest.h>

#include <string>

#include "common/Codecs.h"
#include "module/ConfDefaultsFile.h"

namespace {

std::string Hex(const std::string& text) { return HexEncodeString(text.c_str()).str(); }

ConfDefaultData Parsed(const std::string& text) {
  ConfDefaultData d;
  EXPECT_EQ(ConfDefaultsRead::kDone, ParseConfDefaultsFile(Hex(text), &d)) << text;
  return d;
}

TEST(ConfDefaultsFileTest, TheFileIsTheHexFormOfTheTaggedText) {
  ConfDefaultData d;
  d.Set("a", 10, 60, 5, "", "", "", 1);
  std::string text =
      "<mmc_dfs><data subject=\"a\" maxnum=\"10\" period=\"60\" remaintime=\"5\" mempwd=\"\" masterpwd=\"\" "
      "visitorpwd=\"\" playstatussound=\"1\"></data></mmc_dfs>";
  ASSERT_EQ(140u, text.size());
  EXPECT_EQ(Hex(text), FormatConfDefaultsFile(d));
  EXPECT_EQ(280u, FormatConfDefaultsFile(d).size());
}

TEST(ConfDefaultsFileTest, TheLastDataElementOfTheFileWins) {
  ConfDefaultData d = Parsed(
      "<mmc_dfs><data subject=\"一\" maxnum=\"3\" period=\"30\"></data><data subject=\"二\" maxnum=\"8\" "
      "period=\"45\" remaintime=\"7\" mempwd=\"11\" masterpwd=\"22\" visitorpwd=\"33\" playstatussound=\"0\">"
      "</data></mmc_dfs>");
  EXPECT_EQ(CString("二"), d.subject);
  EXPECT_EQ(8, d.maxnum);
  EXPECT_EQ(45, d.period);
  EXPECT_EQ(7, d.remaintime);
  EXPECT_EQ(CString("22"), d.masterpwd);
  EXPECT_EQ(CString("33"), d.visitorpwd);
  EXPECT_EQ(0, d.playstatussound);
}

TEST(ConfDefaultsFileTest, EverySubjectAUserCanTypeLoadsBackAsSaved) {
  const char* subjects[] = {"说\"你好\"", "\"", "a<b>c", "R&D", "&amp;&quot;", "it's", "《周会》“一”", "表丂\\", " a b "};
  for (const char* subject : subjects) {
    ConfDefaultData saved;
    saved.Set(subject, 4, 30, 5, "12", "34", "56", 0);
    ConfDefaultData loaded;
    ASSERT_EQ(ConfDefaultsRead::kDone, ParseConfDefaultsFile(FormatConfDefaultsFile(saved), &loaded)) << subject;
    EXPECT_EQ(CString(subject), loaded.subject) << subject;
    EXPECT_EQ(4, loaded.maxnum) << subject;
    EXPECT_EQ(30, loaded.period) << subject;
    EXPECT_EQ(5, loaded.remaintime) << subject;
    EXPECT_EQ(CString("12"), loaded.mempwd) << subject;
    EXPECT_EQ(CString("34"), loaded.masterpwd) << subject;
    EXPECT_EQ(CString("56"), loaded.visitorpwd) << subject;
    EXPECT_EQ(0, loaded.playstatussound) << subject;
  }
}

TEST(ConfDefaultsFileTest, OnlyAmpersandAndDoubleQuoteChangeTheFile) {
  ConfDefaultData d;
  d.Set("《例会》<a>'", 10, 60, 5, "", "", "", 1);
  EXPECT_NE(std::string::npos, FormatConfDefaultsFile(d).find(Hex("subject=\"《例会》<a>'\" maxnum=")));
  d.subject = "\"R&D\"";
  EXPECT_NE(std::string::npos, FormatConfDefaultsFile(d).find(Hex("subject=\"&quot;R&amp;D&quot;\" maxnum=")));
}

TEST(ConfDefaultsFileTest, FilesWrittenBeforeStillLoad) {
  // An ampersand was stored as it stood; a double quote cut the attribute.
  ConfDefaultData d = Parsed(
      "<mmc_dfs><data subject=\"R&D <周会>\" maxnum=\"8\" period=\"45\" remaintime=\"7\" mempwd=\"11\" "
      "masterpwd=\"22\" visitorpwd=\"33\" playstatussound=\"0\"></data></mmc_dfs>");
  EXPECT_EQ(CString("R&D <周会>"), d.subject);
  EXPECT_EQ(CString("33"), d.visitorpwd);
}

TEST(ConfDefaultsFileTest, AnEarlierVersionsFileWithQuotesInItsSubjectStillLoads) {
  ConfDefaultData d = Parsed(
      "<mmc_dfs><data subject=\"说\"R&D\" <周会>\" maxnum=\"8\" period=\"45\" remaintime=\"7\" mempwd=\"11\" "
      "masterpwd=\"22\" visitorpwd=\"33\" playstatussound=\"0\"></data></mmc_dfs>");
  EXPECT_EQ(CString("说\"R&D\" <周会>"), d.subject);
  EXPECT_EQ(8, d.maxnum);
  EXPECT_EQ(CString("33"), d.visitorpwd);
  EXPECT_EQ(0, d.playstatussound);
}

TEST(ConfDefaultsFileTest, DamagedBytesAreRefusedAtTheirStepAndChangeNothing) {
  ConfDefaultData before;
  before.Set("旧", 9, 50, 6, "1", "2", "3", 1);
  auto expectRefused = [&](ConfDefaultsRead step, const std::string& bytes) {
    ConfDefaultData d = before;
    EXPECT_EQ(step, ParseConfDefaultsFile(bytes, &d)) << bytes;
    EXPECT_EQ(before.subject, d.subject) << bytes;
    EXPECT_EQ(before.maxnum, d.maxnum) << bytes;
  };
  expectRefused(ConfDefaultsRead::kNotHex, "");
  expectRefused(ConfDefaultsRead::kNotHex, "3c6d7z");
  expectRefused(ConfDefaultsRead::kNotTagged, Hex("mmc_dfs"));
  expectRefused(ConfDefaultsRead::kNoDataElement, Hex("<other><data subject=\"x\"></data></other>"));
  // A file cut anywhere, as a failed write leaves it.
  std::string good = FormatConfDefaultsFile(before);
  for (size_t cut = 0; cut < good.size(); ++cut) {
    ConfDefaultData d;
    d.subject = "kept";
    EXPECT_NE(ConfDefaultsRead::kDone, ParseConfDefaultsFile(good.substr(0, cut), &d)) << cut;
    EXPECT_EQ(CString("kept"), d.subject) << cut;
  }
}

// A defaults file that never ends (a device in its place) is read only up to its limit.
TEST(ConfDefaultsFileTest, ADeviceInPlaceOfTheFileIsReadNoFurtherThanTheLimit) {
  ConfDefaultData d;
  d.subject = "kept";
  EXPECT_EQ(ConfDefaultsRead::kUnreadable, ReadConfDefaultsFile("/dev/zero", &d));
  EXPECT_EQ(CString("kept"), d.subject);
}

}  // namespace
