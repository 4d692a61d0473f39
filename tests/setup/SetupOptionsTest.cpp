// The splitters the set-up pages share for typed numbers and the receiver chooser's lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/SetupOptions.h"

namespace {

std::vector<std::string> Texts(const std::vector<CString>& parts) {
  std::vector<std::string> texts;
  for (const CString& part : parts) texts.push_back((const char*)part);
  return texts;
}

}  // namespace

TEST(SplitTypedNumbers, CutsAtSemicolonsAndLeavesOutEmptyPieces) {
  EXPECT_EQ((std::vector<std::string>{"6601", " 6602", "6603"}), Texts(SplitTypedNumbers(";6601;; 6602;6603;", true)));
  EXPECT_TRUE(SplitTypedNumbers("", true).empty());
  EXPECT_TRUE(SplitTypedNumbers(";;", false).empty());
}

TEST(SplitTypedNumbers, FullWidthSemicolonOnlyWhenAsked) {
  const CString text = "6601；6602;6603";
  EXPECT_EQ((std::vector<std::string>{"6601", "6602", "6603"}), Texts(SplitTypedNumbers(text, true)));
  EXPECT_EQ((std::vector<std::string>{"6601；6602", "6603"}), Texts(SplitTypedNumbers(text, false)));
}

TEST(SplitTypedNumbers, NeverCutsInsideADoubleByteCharacter) {
  // Two GBK characters, B0A3 and BBA1: the middle bytes A3 BB are not a full-width semicolon.
  const CString text = "12\xB0\xA3\xBB\xA1" "34";
  EXPECT_EQ((std::vector<std::string>{(const char*)text}), Texts(SplitTypedNumbers(text, true)));
}

TEST(SplitAt, KeepsEmptyPiecesButGivesNoneForEmptyText) {
  EXPECT_EQ((std::vector<std::string>{"a", "", "b", ""}), Texts(SplitAt("a,,b,", ',')));
  EXPECT_TRUE(SplitAt("", ',').empty());
}
