// The two-sided program's own steps: holding and releasing what a side sends, and comparing
// every page both boards hold.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/host/program/ProgramRun.h"

namespace {

// Two members, each in a conference of its own, so that nothing one sends reaches the other.
const char kApart[] = u8"A host 2\nA host 9 1 1 200 sip:a@ims.example.cn \"A\" 4\n"
                      u8"B host 2\nB host 9 1 1 200 sip:b@ims.example.cn \"B\" 4\n";

ProgramRun Play(const std::string& name, const std::string& steps) {
  std::string path = WriteScenario(name, (kApart + steps).c_str());
  ProgramRun run = RunProgram(ModuleArg() + "'" + path + "'");
  std::remove(path.c_str());
  return run;
}

TEST(RelaySteps, AHoldOrReleaseOutOfTurnFailsAtItsLine) {
  ProgramRun twice = Play("hold-twice.scn", "A hold\nA hold\nA release\n");
  EXPECT_EQ(twice.status, 1) << twice.output;
  EXPECT_NE(twice.output.find("< FAILED: line 6: what A sends is held already\n"), std::string::npos) << twice.output;
  ProgramRun loose = Play("release-alone.scn", "B release\n");
  EXPECT_EQ(loose.status, 1) << loose.output;
  EXPECT_NE(loose.output.find("< FAILED: line 5: nothing of B is held\n"), std::string::npos) << loose.output;
  ProgramRun kept = Play("hold-kept.scn", u8"A hold\nA click 电子白板 1903\nA drag 电子白板 20 20 200 120\n");
  EXPECT_EQ(kept.status, 1) << kept.output;
  EXPECT_NE(kept.output.find("~ relay holds what A sent (1 in flight)\n"), std::string::npos) << kept.output;
  EXPECT_NE(kept.output.find("< FAILED: line 5: A hold was never released\n"), std::string::npos) << kept.output;
}

TEST(RelaySteps, BadFormsAreRefusedBeforeThePlay) {
  for (const char* step : {"AB hold\n", "A hold now\n", "B release A\n",
                           u8"AB expect-same-board 电子白板 some files\n"}) {
    ProgramRun run = Play("bad-relay-step.scn", step);
    EXPECT_EQ(run.status, 2) << step << run.output;
    EXPECT_NE(run.output.find("bad-relay-step.scn: line 5: "), std::string::npos) << run.output;
  }
}

// A's board holds a second page that B's lacks: both show an empty current page, and only the
// comparison of every page finds the difference.
TEST(RelaySteps, ComparingEveryPageFindsAPageOneSideLacks) {
  ProgramRun run = Play("all-pages.scn", u8"A click 电子白板 1899\nAB expect-same-board 电子白板\n"
                                         u8"AB expect-same-board 电子白板 all\n");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("< both sides show the same page\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("< FAILED: line 7: the two sides' boards differ (their page XML)\n"), std::string::npos)
      << run.output;
}

// A press on a selected object runs the tracker's loop; the scenario's next steps play inside
// it, and one that fails there names its line. A scenario that ends there leaves the drag
// unfinished, and the run fails.
TEST(RelaySteps, StepsInsideADragFailAtTheirLineAndTheDragMustEnd) {
  ProgramRun inside = Play("drag-check.scn", u8"A click 电子白板 1903\nA drag 电子白板 20 20 120 80\n"
                                             u8"A click 电子白板 1810\nA drag 电子白板 20 50 20 50\n"
                                             u8"A mouse-down 电子白板 20 50\nA expect-window 电子白板 absent\n"
                                             u8"A mouse-up 电子白板 60 90\n");
  EXPECT_EQ(inside.status, 1) << inside.output;
  EXPECT_NE(inside.output.find("A| < FAILED: line 10: "), std::string::npos) << inside.output;
  ProgramRun run = Play("drag-unfinished.scn", u8"A click 电子白板 1903\nA drag 电子白板 20 20 120 80\n"
                                               u8"A click 电子白板 1810\nA drag 电子白板 20 50 20 50\n"
                                               u8"A mouse-down 电子白板 20 50\nB click 电子白板 1903\n"
                                               u8"A mouse-move 电子白板 60 90\n");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("A| # inside the module's tracker"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("A| < FAILED: the scenario ended while the module waits in the tracker"), std::string::npos)
      << run.output;
}

}  // namespace
