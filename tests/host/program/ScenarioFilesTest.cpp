// Every scenario file under scenarios/, played by the host program as the main job plays it
// (scripts/play-scenarios.sh): in the plan the program reads from the "# play: " lines of their
// opening comments (host/scenario/PlayPlan.h, docs/scenarios.md), each chain on a fresh user
// folder of this process. The build lists the folder's files (TAV_SCENARIO_NAMES_FILE, from
// tests/CMakeLists.txt), so a file added there is played after the next build without editing
// any list.
#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/scenario/PlayPlan.h"
#include "tests/host/program/ProgramRun.h"

namespace {

std::string ScenarioFolder() { return std::string(TAV_SOURCE_DIR) + "/scenarios"; }

// The plan of the folder as it is now; empty when a declaration is refused (the folder test
// below says why).
std::vector<host::ScenarioChain> Plan() {
  std::vector<host::ScenarioChain> plan;
  std::string error;
  host::ReadPlayPlan(ScenarioFolder(), &plan, &error);
  return plan;
}

std::vector<std::string> BuiltNames() {
  std::istringstream names(
#include TAV_SCENARIO_NAMES_FILE
  );
  std::vector<std::string> list;
  for (std::string name; names >> name;) list.push_back(name);
  return list;
}

// The scenarios that start a chain.
std::vector<std::string> Heads() {
  std::vector<std::string> heads;
  for (const host::ScenarioChain& chain : Plan()) heads.push_back(chain.plays[0].name);
  return heads;
}

// The one file of the folder whose name matches pattern; empty when none or several do.
std::string OneFile(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (fnmatch(pattern.c_str(), entry.path().filename().c_str(), 0) == 0) found.push_back(entry.path().string());
  return found.size() == 1 ? found[0] : "";
}

class ScenarioFile : public testing::TestWithParam<std::string> {};

// The chain that starts with the parameter, on a folder of this process whatever the main job's
// folder (none included).
TEST_P(ScenarioFile, PlaysThrough) {
  const std::string& head = GetParam();
  std::vector<host::ScenarioChain> plan = Plan();
  auto chain = std::find_if(plan.begin(), plan.end(),
                            [&head](const host::ScenarioChain& c) { return c.plays[0].name == head; });
  ASSERT_NE(chain, plan.end()) << head << " starts no chain";
  std::string folder = UserFolder(head);
  for (const host::ScenarioPlay& declared : chain->plays) {
    const std::string& name = declared.name;
    std::string scenario = CopyScenario(name);
    std::string play = ModuleArg() + "--user-folder '" + folder + "' '" + scenario + "'";
    ProgramRun run = RunProgram(play);
    ASSERT_EQ(run.status, 0) << name << "\n" << run.output;
    if (!declared.lineEndPattern.empty()) {
      std::string file = OneFile(folder, declared.lineEndPattern);
      ASSERT_NE(file, "") << "no one file " << declared.lineEndPattern << " in " << folder;
      std::ofstream(file, std::ios::app | std::ios::binary) << "\r\n";
      run = RunProgram(play);
      ASSERT_EQ(run.status, 0) << name << " after a line end was added to " << file << "\n" << run.output;
    }
    if (!declared.samePictures.empty()) {
      std::string root = scenario.substr(0, scenario.rfind("/scenarios/")) + "/";
      std::string a = ReadFile(root + declared.samePictures[0]), b = ReadFile(root + declared.samePictures[1]);
      ASSERT_FALSE(a.empty()) << declared.samePictures[0];
      EXPECT_TRUE(a == b) << "the two sides' pages differ";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioFile, testing::ValuesIn(Heads()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// The program's plan of the folder plays every file of it, and the built list is those files
// as they are now; a file added to a folder is read, and a declaration nobody knows refused
// before anything plays.
TEST(ScenarioFolder, EveryFileIsPlayed) {
  ProgramRun plan = RunProgram("--play-plan '" + ScenarioFolder() + "'");
  ASSERT_EQ(plan.status, 0) << plan.output;
  std::set<std::string> played, built;
  std::istringstream steps(plan.output);
  for (std::string step, name; steps >> step && std::getline(steps, name);)
    if (step == "play") played.insert(name.substr(1));
  for (const std::string& name : BuiltNames()) built.insert(name);
  EXPECT_EQ(played, built) << "scenarios were added or removed: build again";

  std::string folder = testing::TempDir() + "scenario-folder-" + std::to_string(getpid());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/first.scn") << "# plays first\nwait 0\n";
  std::ofstream(folder + "/added.scn") << "# plays later\n# play: after first\n# play: twice\nwait 0\n";
  ProgramRun refused = RunProgram("--play-plan '" + folder + "'");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.output, folder + "/added.scn: unknown play declaration \"twice\"\n");
}

}  // namespace
