// User steps of the host program: the keys `press` knows and the effects a font answer sets.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/host/program/ProgramRun.h"

namespace {

ProgramRun Play(const std::string& name, const std::string& steps) {
  std::string path = WriteScenario(name, steps.c_str());
  ProgramRun run = RunProgram(ModuleArg() + "'" + path + "'");
  std::remove(path.c_str());
  return run;
}

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The caret keys move inside the text a user types: Home, then End and Left.
TEST(UserSteps, PressMovesTheCaretWithHomeEndAndTheArrows) {
  ProgramRun run = Play("caret-keys.scn", u8"call LoadUserData\nhost 2\ntype 多媒体会议 1687 8000\n"
                                          u8"press home\nwrite 1\npress end\npress left\nwrite 2\n"
                                          u8"expect-text 多媒体会议 1687 180020\n");
  EXPECT_EQ(run.status, 0) << run.output;
  ProgramRun wrong = Play("caret-expect.scn", u8"call LoadUserData\nhost 2\ntype 多媒体会议 1687 8000\n"
                                              u8"press home\nwrite 1\nexpect-text 多媒体会议 1687 80001\n");
  EXPECT_EQ(wrong.status, 1) << wrong.output;
  EXPECT_NE(wrong.output.find("< FAILED: line 6: "), std::string::npos) << wrong.output;
  for (const char* bad : {"press pgup\n", "press page-up now\n"}) {
    ProgramRun refused = Play("bad-key.scn", bad);
    EXPECT_EQ(refused.status, 2) << refused.output;
    EXPECT_NE(refused.output.find("bad-key.scn: line 1: press needs esc"), std::string::npos) << refused.output;
  }
}

// A text given underline and strike-out in the font dialog keeps both on the board.
TEST(UserSteps, FontAnswerSetsUnderlineAndStrikeOut) {
  std::string xml = testing::TempDir() + "font-effects-" + std::to_string(getpid()) + ".xml";
  ProgramRun run = Play("font-effects.scn",
                        u8"call LoadUserData\nhost 2\nhost 9 1 1 200 sip:wb30@ims.example.cn 字体 4\n"
                        u8"click 电子白板 1919\ndrag 电子白板 20 20 300 60\nwrite 字体\nclick 电子白板 1810\n"
                        u8"mouse-down 电子白板 500 400\nmouse-up 电子白板 500 400\nmenu 13438\n"
                        u8"answer-dialog font 宋体 20 255 underline strike-out\nrclick 电子白板 30 30\n"
                        u8"save-board 电子白板 " + xml + ".png " + xml + "\n");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(ReadText(xml).find("strokeout:1;underline:1"), std::string::npos) << ReadText(xml);
  std::remove(xml.c_str());
  std::remove((xml + ".png").c_str());
  ProgramRun refused = Play("bad-font.scn", u8"answer-dialog font 宋体 20 255 underlined\n");
  EXPECT_EQ(refused.status, 2) << refused.output;
  EXPECT_NE(refused.output.find("line 1: answer-dialog font needs"), std::string::npos) << refused.output;
}

// While a polygon is drawn its surface holds the mouse: a click aimed at a tool button reaches
// the surface (a vertex), and the step fails at its own line.
TEST(UserSteps, AClickThatLandsOnAnotherWindowFailsAtItsLine) {
  ProgramRun run = Play("click-captured.scn",
                        u8"call LoadUserData\nhost 2\nhost 9 1 1 200 sip:wb31@ims.example.cn 多边形 4\n"
                        u8"click 电子白板 1913\nmouse-down 电子白板 100 100\nmouse-up 电子白板 100 100\n"
                        u8"click 电子白板 1903\nexpect-window 电子白板 visible\n");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("< FAILED: line 7: the click on control 1903 went to the window that holds the mouse\n"),
            std::string::npos)
      << run.output;
}

}  // namespace
