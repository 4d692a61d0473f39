#include "whiteboard/model/WbShared.h"

#include "platform/Guid.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace {

TEST(PointsToPathText, EmptyAndNull) {
  CArray<CPoint, CPoint> points;
  EXPECT_STREQ(PointsToPathText(&points), "");
  EXPECT_STREQ(PointsToPathText(nullptr), "");
}

TEST(PointsToPathText, JoinsPointsWithL) {
  CArray<CPoint, CPoint> points;
  points.Add(CPoint(10, 10));
  EXPECT_STREQ(PointsToPathText(&points), "M 10 10");
  points.Add(CPoint(20, -30));
  points.Add(CPoint(40, 30));
  EXPECT_STREQ(PointsToPathText(&points), "M 10 10 L 20 -30 L 40 30");
}

TEST(GetIdPrefix, TextBeforeTheColon) {
  EXPECT_STREQ(GetIdPrefix("line:0123456789abcdef0"), "line");
  EXPECT_STREQ(GetIdPrefix("solidrectangle:x:y"), "solidrectangle");
  EXPECT_STREQ(GetIdPrefix(":abc"), "");
  EXPECT_STREQ(GetIdPrefix("nocolon"), "nocolon");
  EXPECT_STREQ(GetIdPrefix(""), "");
  EXPECT_STREQ(GetIdPrefix(nullptr), "");
}

TEST(MakeGuidText, SeventeenLowerCaseHexDigits) {
  std::string text = MakeGuidText();
  ASSERT_EQ(text.size(), 17u);
  for (char ch : text) EXPECT_TRUE(isdigit((unsigned char)ch) || (ch >= 'a' && ch <= 'f')) << text;
}

TEST(MakeGuidText, FreshEachCallInOneBuffer) {
  std::set<std::string> seen;
  char* first = MakeGuidText();
  for (int i = 0; i < 1000; ++i) {
    EXPECT_EQ(MakeGuidText(), first);
    seen.insert(first);
  }
  EXPECT_EQ(seen.size(), 1000u);
}

TEST(MakeGuidText, IsTheGuidTextWithoutDashes) {
  platform::SetGuidSeed(42);
  std::string text = MakeGuidText();
  platform::SetGuidSeed(42);
  GUID guid;
  CoCreateGuid(&guid);
  std::string full = (LPCTSTR)platform::GuidToText(guid);
  platform::UseRandomGuids();
  std::string undashed;
  for (char ch : full)
    if (ch != '-') undashed += ch;
  EXPECT_EQ(text, undashed.substr(0, 17));
}

}  // namespace
