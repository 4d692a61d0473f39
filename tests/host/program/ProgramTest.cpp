// The host program against the built library: it loads the module, plays the first
// scenario and prints the traffic.
#include <fstream>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "tests/host/program/ProgramRun.h"

namespace {

TEST(HostProgram, FirstScenarioLoadsQueriesAndClosesTheModule) {
  ProgramRun run = RunProgram(ModuleArg() + "'" + TAV_SOURCE_DIR + "/scenarios/first.scn'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("< GetModuleKind returned 5\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("> host 15\n< handled 1,"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("module 5 -> host: 20007 (front window): window 0x0"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("< Close done\n"), std::string::npos) << run.output;
}

TEST(HostProgram, WaitsRunTheModulesTimersAndTheModuleIsClosedAtTheEnd) {
  std::string path = WriteScenario("pump.scn", "call LoadUserData\nwait 120\n");
  ProgramRun run = RunProgram(std::string("--module '") + TAV_PUMPED_MODULE + "' '" + path + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  // The 50 ms timer of the module's window fires during the wait, and only then.
  size_t wait = run.output.find("> wait 120\n");
  size_t tick = run.output.find("\"tick 1\"");
  ASSERT_NE(wait, std::string::npos) << run.output;
  ASSERT_NE(tick, std::string::npos) << run.output;
  EXPECT_LT(wait, tick) << run.output;
  EXPECT_NE(run.output.find("\"closed\" -> 0\n= "), std::string::npos) << run.output;
  std::remove(path.c_str());
}

TEST(HostProgram, ASecondRunSeesTheDefaultsTheFirstSavedInTheUserFolder) {
  std::string folder = UserFolder("defaults");
  std::string save = WriteScenario("save.scn", u8"call LoadUserData\nhost 2\nclick 多媒体会议 1108\n"
                                               u8"type 多媒体会议 1996 每周例会\ntype 多媒体会议 2002 8\n"
                                               u8"type 多媒体会议 1997 60\ntype 多媒体会议 1998 5\n"
                                               u8"click 多媒体会议 1\nexpect-box 会议缺省设置修改成功！\n");
  std::string see = WriteScenario("see.scn", u8"call LoadUserData\nhost 2\nexpect-text 多媒体会议 1045 每周例会\n");
  std::string options = ModuleArg() + "--user-folder '" + folder + "' '";
  ProgramRun first = RunProgram(options + save + "'");
  EXPECT_EQ(first.status, 0) << first.output;
  EXPECT_TRUE(std::filesystem::exists(folder + "/zhangweimmc_dfs.dat"));
  ProgramRun second = RunProgram(options + see + "'");
  EXPECT_EQ(second.status, 0) << second.output;
  ProgramRun elsewhere = RunProgram(ModuleArg() + "--user-folder '" + UserFolder("other") + "' '" + see + "'");
  EXPECT_EQ(elsewhere.status, 1) << elsewhere.output;
  std::remove(save.c_str());
  std::remove(see.c_str());
}

TEST(HostProgram, ADialogLeftWithoutAnAnswerFailsTheRun) {
  std::string path = WriteScenario("unanswered.scn", u8"call LoadUserData\nhost 2\ntype 多媒体会议 1687 80007777\n"
                                                     u8"click 多媒体会议 1689\n");
  ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + UserFolder("unanswered") + "' '" + path + "'");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find(u8"< FAILED: the scenario ended while the module waits in the dialog \"会议成员权限查询\" "
                            u8"for an answer\n"),
            std::string::npos)
      << run.output;
  std::remove(path.c_str());
}

// In two-sided play each side's files go to its own folder inside the user folder.
TEST(HostProgram, EachSideKeepsItsFilesInItsOwnUserFolder) {
  std::string folder = UserFolder("two-sided");
  std::string path = WriteScenario("two-sided-defaults.scn", u8"A call LoadUserData\nA host 2\nA click 多媒体会议 1108\n"
                                                             u8"A type 多媒体会议 1996 每周例会\nA type 多媒体会议 2002 8\n"
                                                             u8"A type 多媒体会议 1997 60\nA type 多媒体会议 1998 5\n"
                                                             u8"A click 多媒体会议 1\n"
                                                             u8"A expect-box 会议缺省设置修改成功！\nB call LoadUserData\n");
  ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + folder + "' '" + path + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(std::filesystem::exists(folder + "/A/zhangweimmc_dfs.dat"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/zhangweimmc_dfs.dat"));
  std::remove(path.c_str());
}

// A scenario that expects a dialog fails when the module never shows it.
TEST(HostProgram, ADialogAnswerNothingUsedFailsTheRun) {
  std::string path = WriteScenario("unused-dialog.scn", u8"call LoadUserData\nhost 2\n"
                                                        u8"host 9 1 1 200 sip:wb9@ims.example.cn 白板 4\n"
                                                        u8"answer-dialog colour 255\nclick 电子白板 1833\n");
  ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + UserFolder("unused-dialog") + "' '" + path + "'");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("< FAILED: line 4: answer-dialog colour 255 was never used: no such dialog came\n"),
            std::string::npos)
      << run.output;
  std::remove(path.c_str());
}

// The checks and answers a scenario adds fail the run when the module does not do what they say:
// a box where none was expected, an answer inside a call that never came, a tree item the
// user cannot see.
TEST(HostProgram, ChecksOfBoxesTreeItemsAndInsideAnswersFailTheRun) {
  const std::pair<const char*, const char*> cases[] = {
      {u8"call LoadUserData\nhost 16 3\nclick 多媒体会议 1\nexpect-no-box\n",
       u8"< FAILED: line 4: the module showed since the last box check: \"请输入会场URI！\"\n"},
      {u8"call LoadUserData\nanswer-inside 102 \"record: join\" 9 1 7 200 sip:x@ims.example.cn\nhost 16 3\n",
       u8"< FAILED: line 2: answer-inside was never used: no call 102 read \"record: join\"\n"},
      {u8"call LoadUserData\nhost 16 2\nexpect-tree-item 多媒体会议 1934 研发部 collapsed\n",
       u8"< FAILED: line 3: the item \"研发部\" is not shown: an item above it is collapsed\n"},
  };
  for (const auto& c : cases) {
    std::string path = WriteScenario("checks.scn", c.first);
    ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + UserFolder("checks") + "' '" + path + "'");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find(c.second), std::string::npos) << run.output;
    std::remove(path.c_str());
  }
}

// A two-sided failure names its line in the file; an answer a side never used fails the run
// when the play ends.
TEST(HostProgram, TwoSidedFailuresNameTheirLine) {
  std::string path = WriteScenario("two-sided-line.scn", u8"A call LoadUserData\nB call LoadUserData\n# B never joins\n\n"
                                                         u8"B expect-window 电子白板 visible\n");
  ProgramRun run = RunProgram(ModuleArg() + "'" + path + "'");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("B| < FAILED: line 5: "), std::string::npos) << run.output;
  path = WriteScenario("two-sided-unused.scn", "A call LoadUserData\nB call LoadUserData\nB answer-box yes\n");
  run = RunProgram(ModuleArg() + "'" + path + "'");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("B| < FAILED: line 3: an answer-box answer was never used"), std::string::npos) << run.output;
  std::remove(path.c_str());
}

// The user-folder steps read their source files beside the scenario; a check that does not
// hold ends the run with status 1, naming its line.
TEST(HostProgram, AFileCheckThatDoesNotHoldFailsTheRunOnItsLine) {
  std::string tag = std::to_string(getpid());
  std::ofstream(testing::TempDir() + "kept-" + tag + ".dat", std::ios::binary) << "saved bytes";
  std::string path = WriteScenario("file-check-" + tag + ".scn",
                                   ("put-file mmc.dat kept-" + tag + ".dat\nexpect-file mmc.dat kept-" + tag +
                                    ".dat\ncall LoadUserData\nexpect-file mmc.dat absent\n").c_str());
  ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + UserFolder("file-check") + "' '" + path + "'");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("< FAILED: line 4: the user's file mmc.dat exists\n"), std::string::npos) << run.output;
  std::remove(path.c_str());
  std::remove((testing::TempDir() + "kept-" + tag + ".dat").c_str());
}

// Two members of different conferences: what one draws the other never sees, and the
// comparison of their boards fails the run on its line.
TEST(HostProgram, BoardsThatDifferFailTheirComparison) {
  std::string path = WriteScenario("apart.scn", u8"A host 2\nA host 9 1 1 200 sip:a@ims.example.cn \"A\" 4\n"
                                                u8"B host 2\nB host 9 1 1 200 sip:b@ims.example.cn \"B\" 4\n"
                                                u8"AB expect-same-board 电子白板\n"
                                                u8"A click 电子白板 1903\nA drag 电子白板 20 20 200 120\n"
                                                u8"AB expect-same-board 电子白板\n");
  ProgramRun run = RunProgram(ModuleArg() + "'" + path + "'");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("< both sides show the same page\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("< FAILED: line 8: the two sides' boards differ (their pictures)\n"), std::string::npos)
      << run.output;
  std::remove(path.c_str());
}

TEST(HostProgram, RefusesABadScenarioBeforeLoadingTheModule) {
  std::string path = WriteScenario("bad.scn", "call LoadUserData\nhost 8\n");
  ProgramRun run = RunProgram(ModuleArg() + "'" + path + "'");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("bad.scn: line 2: host code 8 cannot be played"), std::string::npos) << run.output;
  std::remove(path.c_str());
}

// The list, tree and window-name steps on the book page after 刘洋 was added from the tree:
// each fails on its line when what it checks does not hold; a bad form is refused before play.
TEST(HostProgram, ListAndTreeStepsFailOnTheirLine) {
  const std::string start = u8"call LoadUserData\nhost 16 2\nclick-item 多媒体会议 1934 南京分公司\n"
                            u8"click-item 多媒体会议 1934 研发部\nclick-item 多媒体会议 1934 刘洋\n"
                            u8"click 多媒体会议 1081\n";
  const std::pair<const char*, const char*> failing[] = {
      {u8"expect-rows 多媒体会议 1485 刘洋 周杰", u8"list 1485 of 多媒体会议 holds the rows \"刘洋\""},
      {u8"expect-rows 多媒体会议 1934 under=市场部", u8"the item \"市场部\" of tree 1934 of 多媒体会议 is closed"},
      {u8"expect-rows 多媒体会议 1934 under=研发部 刘洋 周杰",
       u8"the item \"研发部\" of tree 1934 of 多媒体会议 holds \"刘洋\", \"张伟\", \"周杰\""},
      {u8"expect-no-item 多媒体会议 1485 刘洋", u8"control 1485 of 多媒体会议 holds an item \"刘洋\""},
      {u8"expect-cell 多媒体会议 1485 刘洋 主席 是", u8"the cell 刘洋 主席 of list 1485 of 多媒体会议 shows \"否\""},
      {u8"expect-cell 多媒体会议 1485 [1] 0 刘洋", u8"list 1485 of 多媒体会议 has 1 rows"},
      {u8"expect-cell 多媒体会议 1934 刘洋 0 刘洋", u8"control 1934 of 多媒体会议 is a tree: it has no cells"},
      {u8"rclick-item 多媒体会议 1485 周杰", u8"no item \"周杰\" in control 1485 of 多媒体会议"},
      {u8"click-item 多媒体会议 1485 周杰 ctrl", u8"no item \"周杰\" in control 1485 of 多媒体会议"},
      {u8"click 多媒体会议#conf 1081", u8"no visible control 1081 in 多媒体会议#conf"},
      {u8"expect-window 多媒体会议#box visible", u8"the window titled 多媒体会议#box is absent"},
  };
  std::string path = WriteScenario("list-steps-" + std::to_string(getpid()) + ".scn", "");
  for (const auto& [step, reason] : failing) {
    std::ofstream(path) << start << step << "\n";
    ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + UserFolder("list-steps") + "' '" + path + "'");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find(std::string("< FAILED: line 7: ") + reason + "\n"), std::string::npos) << run.output;
  }
  const char* const malformed[] = {u8"expect-rows 多媒体会议", u8"expect-no-item 多媒体会议 1485",
                                   u8"expect-cell 多媒体会议 1485 [x] 主席 是", u8"rclick-item 多媒体会议 1485",
                                   u8"click-item 多媒体会议 1485 刘洋 alt", u8"click 多媒体会议#main 1081"};
  for (const char* step : malformed) {
    std::ofstream(path) << start << step << "\n";
    ProgramRun run = RunProgram(ModuleArg() + "'" + path + "'");
    EXPECT_EQ(run.status, 2) << step;
    EXPECT_NE(run.output.find(": line 7: "), std::string::npos) << run.output;
  }
  std::remove(path.c_str());
}

TEST(HostProgram, ReportsAMissingLibrary) {
  ProgramRun run = RunProgram(std::string("--module /nonexistent/libtavorine.so '") + TAV_SOURCE_DIR + "/scenarios/first.scn'");
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.output.find("cannot load the module"), std::string::npos) << run.output;
}

}  // namespace

// The conference board and a point-to-point board open at one place: a mouse step on a named
// board brings it to the front first, as the user does, so each gesture lands on its board.
TEST(HostProgram, AMouseStepActsOnTheBoardItNames) {
  std::string tag = std::to_string(getpid());
  std::string path = WriteScenario("two-boards-" + tag + ".scn",
                                   (u8"call LoadUserData\nhost 2\nhost 9 1 1 200 sip:wb9@ims.example.cn 白板 4\n"
                                    u8"host 9 1 31 0 sip:80005678@ims.example.cn \"\" -1\nclick 点对点邀请 1\n"
                                    u8"click 电子白板 1903\ndrag 电子白板 20 20 200 100\n"
                                    u8"click 点对点白板 1902\ndrag 点对点白板 20 20 200 100\n"
                                    u8"save-board 电子白板 conference-" + tag + ".png conference-" + tag + ".xml\n"
                                    u8"save-board 点对点白板 p2p-" + tag + ".png p2p-" + tag + ".xml\n").c_str());
  ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + UserFolder("two-boards-" + tag) + "' '" + path + "'");
  ASSERT_EQ(run.status, 0) << run.output;
  std::string conference = ReadFile(testing::TempDir() + "conference-" + tag + ".xml");
  std::string p2p = ReadFile(testing::TempDir() + "p2p-" + tag + ".xml");
  EXPECT_NE(conference.find("id=\"rectangle:"), std::string::npos) << conference;
  EXPECT_EQ(conference.find("id=\"ellipse:"), std::string::npos) << conference;
  EXPECT_NE(p2p.find("id=\"ellipse:"), std::string::npos) << p2p;
  EXPECT_EQ(p2p.find("id=\"rectangle:"), std::string::npos) << p2p;
  for (const char* name : {"conference-", "p2p-"})
    for (const char* ext : {".png", ".xml"}) std::remove((testing::TempDir() + name + tag + ext).c_str());
  std::remove(path.c_str());
}

// Two module processes joined by the program's relay draw on one conference whiteboard; both
// end showing the same page: the same pixels and the same page XML.
TEST(HostProgram, TwoModulesDrawTogetherAndEndWithTheSameBoard) {
  std::string scenario = CopyScenario("whiteboard");
  std::string folder = scenario.substr(0, scenario.rfind("/scenarios/"));
  std::string a = folder + "/out/whiteboard-side-a", b = folder + "/out/whiteboard-side-b";
  ProgramRun run = RunProgram(ModuleArg() + "'" + scenario + "'");
  ASSERT_EQ(run.status, 0) << run.output;
  // Records go out as code 101 on one side and arrive as code 8 on the other, both printed.
  EXPECT_NE(run.output.find("A| module 5 -> host: 101 (data-conference record)"), std::string::npos);
  EXPECT_NE(run.output.find("~ relay A -> B: code 101 type 7 arrives as code 8 kind 1 method 8\n"
                            "B| > host 8 kind 1, relayed\n"),
            std::string::npos);
  EXPECT_NE(run.output.find("~ relay B -> A: code 101 type 9 arrives as code 8 kind 1 method 10\n"), std::string::npos);
  std::string pngA = ReadFile(a + ".png"), pngB = ReadFile(b + ".png");
  std::string xmlA = ReadFile(a + ".xml"), xmlB = ReadFile(b + ".xml");
  ASSERT_FALSE(pngA.empty());
  EXPECT_TRUE(pngA == pngB) << "the two boards' pictures differ";
  EXPECT_EQ(xmlA, xmlB);
  for (const char* kind : {"line:", "freeline:", "fluorescence:", "rectangle:", "solidrectangle:", "ellipse:",
                           "solidellipse:", "circle:", "triangle:", "trapezia:", "polyline:", "polygon:", "text:",
                           "image:"})
    EXPECT_NE(xmlA.find(std::string("id=\"") + kind), std::string::npos) << kind << "\n" << xmlA;
  EXPECT_NE(run.output.find(u8"text \"多方白板：你好\""), std::string::npos) << "the Chinese text travels";
  EXPECT_EQ(xmlA.find("roundrect:"), std::string::npos) << "A deleted the round rectangle";
  EXPECT_EQ(xmlA.find("hand:"), std::string::npos) << "B deleted the hand pointer";
  std::filesystem::remove_all(folder);
}
