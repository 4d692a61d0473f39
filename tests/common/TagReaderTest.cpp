#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/TagReader.h"

namespace {

std::string Attribute(CTagReader& reader, const char* name) {
  char value[260];
  if (!reader.GetTagAttribute(name, value, sizeof value)) return "<absent>";
  return value;
}

TEST(TagReader, ReadsDoubleSingleAndBareValues) {
  CTagReader reader;
  ASSERT_TRUE(reader.LoadText("<mmc_dfs><data subject=\"周 会\" maxnum='10' period=60 mempwd=\"\"/></mmc_dfs>"));
  ASSERT_TRUE(reader.FindTag("mmc_dfs"));
  ASSERT_TRUE(reader.EnterTag());
  EXPECT_EQ("周 会", Attribute(reader, "subject"));
  EXPECT_EQ("10", Attribute(reader, "maxnum"));
  EXPECT_EQ("60", Attribute(reader, "period"));
  EXPECT_EQ("", Attribute(reader, "mempwd"));
  EXPECT_EQ("<absent>", Attribute(reader, "visitorpwd"));
}

TEST(TagReader, WalksSiblingsChildrenAndParents) {
  CTagReader reader;
  ASSERT_TRUE(reader.LoadText("<?xml version=\"1.0\"?><!-- c --><a id=1><b id=2/>text<c id=3><d id=4></d></c></a><e id=5/>"));
  EXPECT_EQ("1", Attribute(reader, "id"));
  EXPECT_TRUE(reader.FindTag("e")) << "found among the top-level siblings";
  EXPECT_EQ("5", Attribute(reader, "id"));
  EXPECT_FALSE(reader.FindTag("a")) << "search starts at the cursor";
  EXPECT_FALSE(reader.EnterTag());
  EXPECT_EQ("5", Attribute(reader, "id")) << "cursor kept without a child";

  ASSERT_TRUE(reader.LoadText("<a id=1><b id=2/><c id=3><d id=4></d></c></a>"));
  ASSERT_TRUE(reader.EnterTag());
  EXPECT_EQ("2", Attribute(reader, "id"));
  ASSERT_TRUE(reader.NextTag());
  EXPECT_EQ("3", Attribute(reader, "id"));
  EXPECT_FALSE(reader.NextTag());
  EXPECT_EQ("3", Attribute(reader, "id"));
  ASSERT_TRUE(reader.EnterTag());
  EXPECT_EQ("4", Attribute(reader, "id"));
  reader.LeaveTag();
  reader.LeaveTag();
  EXPECT_EQ("1", Attribute(reader, "id"));
  reader.LeaveTag();
  EXPECT_EQ("1", Attribute(reader, "id")) << "the top level has no parent";
}

TEST(TagReader, LastOfTwoDataElementsCanBeReached) {
  CTagReader reader;
  ASSERT_TRUE(reader.LoadText("<mmc_dfs><data maxnum=\"3\"></data><data maxnum=\"8\"></data></mmc_dfs>"));
  ASSERT_TRUE(reader.EnterTag());
  std::string last;
  do last = Attribute(reader, "maxnum");
  while (reader.NextTag());
  EXPECT_EQ("8", last);
}

TEST(TagReader, ValueIsCutToTheOutputBoundOnACharacterBoundary) {
  CTagReader reader;
  std::string value = std::string(300, 'x');
  ASSERT_TRUE(reader.LoadText(("<d v=\"" + value + "\" w=\"ab中\"/>").c_str()));
  char out[270];
  memset(out, 0x5A, sizeof out);
  ASSERT_TRUE(reader.GetTagAttribute("v", out, 260));
  EXPECT_EQ(std::string(259, 'x'), out);
  for (int i = 260; i < 270; ++i) EXPECT_EQ(0x5A, out[i]) << "written past the bound";
  char small[4];
  ASSERT_TRUE(reader.GetTagAttribute("w", small, sizeof small));
  EXPECT_STREQ("ab", small) << "the double-byte character does not fit and is not split";
  EXPECT_FALSE(reader.GetTagAttribute("w", small, 0));
}

TEST(TagReader, RefusesTextWhoseTagsDoNotNest) {
  CTagReader reader;
  EXPECT_FALSE(reader.LoadText(nullptr));
  EXPECT_FALSE(reader.LoadText(""));
  EXPECT_FALSE(reader.LoadText("just text"));
  EXPECT_FALSE(reader.LoadText("<a><b></a></b>"));
  EXPECT_FALSE(reader.LoadText("<a>"));
  EXPECT_FALSE(reader.LoadText("<a x=\"unterminated></a>"));
  EXPECT_FALSE(reader.LoadText("<a></a></a>"));
  char out[8];
  EXPECT_FALSE(reader.GetTagAttribute("x", out, sizeof out));
  EXPECT_STREQ("", out);
  EXPECT_FALSE(reader.FindTag("a"));
  EXPECT_FALSE(reader.EnterTag());
}

TEST(TagReader, DeepNestingDoesNotExhaustTheStack) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "<n>";
  for (int i = 0; i < 100000; ++i) text += "</n>";
  CTagReader reader;
  EXPECT_TRUE(reader.LoadText(text.c_str()));
}

}  // namespace
