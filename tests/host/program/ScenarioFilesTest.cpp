// Every scenario file under scenarios/, played by the host program as the main job plays it
// (scripts/play-scenarios.sh): each on a fresh user folder, with what the "# play: " lines of
// its opening comment declare (docs/scenarios.md). The build lists the folder's files
// (TAV_SCENARIO_NAMES_FILE, from tests/CMakeLists.txt), so a file added there is played after
// the next build without editing any list.
#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/program/ProgramRun.h"

namespace {

// What a scenario declares beyond a fresh user folder. The main job's folder names
// (user-folder, no-user-folder) do not matter here: every play has a folder of this process.
struct Declared {
  std::string after;                      // played right after this scenario, on its folder
  std::string lineEnd;                    // a second play once a line end ends this user's file
  std::vector<std::string> samePictures;  // two pictures, from the repository root, byte-equal
  std::string error;                      // a declaration the players do not know
};

std::string ScenarioPath(const std::string& name) {
  return std::string(TAV_SOURCE_DIR) + "/scenarios/" + name + ".scn";
}

Declared Declarations(const std::string& name) {
  Declared declared;
  std::ifstream file(ScenarioPath(name));
  const std::string prefix = "# play: ";
  for (std::string line; std::getline(file, line);) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (line[0] != '#') break;
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    std::istringstream words(line.substr(prefix.size()));
    std::string word, arg;
    words >> word;
    if (word == "after") {
      words >> declared.after;
    } else if (word == "again-with-line-end") {
      words >> declared.lineEnd;
    } else if (word == "same-pictures") {
      while (words >> arg) declared.samePictures.push_back(arg);
      if (declared.samePictures.size() != 2) declared.error = "same-pictures names two pictures";
    } else if (word != "user-folder" && word != "no-user-folder") {
      declared.error = "unknown play declaration \"" + word + "\"";
    }
  }
  return declared;
}

std::vector<std::string> BuiltNames() {
  std::istringstream names(
#include TAV_SCENARIO_NAMES_FILE
  );
  std::vector<std::string> list;
  for (std::string name; names >> name;) list.push_back(name);
  return list;
}

// Adds the scenarios played on one folder from name on, in order: name, then each one declared
// after it with those after that one.
void AddChain(const std::string& name, std::vector<std::string>* chain) {
  chain->push_back(name);
  for (const std::string& next : BuiltNames())
    if (Declarations(next).after == name) AddChain(next, chain);
}

std::vector<std::string> Chain(const std::string& head) {
  std::vector<std::string> chain;
  AddChain(head, &chain);
  return chain;
}

// The scenarios that start a chain: every one not declared after another.
std::vector<std::string> Heads() {
  std::vector<std::string> heads;
  for (const std::string& name : BuiltNames())
    if (Declarations(name).after.empty()) heads.push_back(name);
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

TEST_P(ScenarioFile, PlaysThrough) {
  std::string folder = UserFolder(GetParam());
  for (const std::string& name : Chain(GetParam())) {
    Declared declared = Declarations(name);
    ASSERT_EQ(declared.error, "") << name;
    std::string scenario = CopyScenario(name);
    std::string play = ModuleArg() + "--user-folder '" + folder + "' '" + scenario + "'";
    ProgramRun run = RunProgram(play);
    ASSERT_EQ(run.status, 0) << name << "\n" << run.output;
    if (!declared.lineEnd.empty()) {
      std::string file = OneFile(folder, declared.lineEnd);
      ASSERT_NE(file, "") << "no one file " << declared.lineEnd << " in " << folder;
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

// The built list is the folder's files as they are now, and every one of them is played: its
// declarations are known, and the scenario it follows is played.
TEST(ScenarioFolder, EveryFileIsPlayed) {
  std::vector<std::string> built = BuiltNames();
  std::set<std::string> played;
  for (const std::string& head : Heads())
    for (const std::string& name : Chain(head)) played.insert(name);
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TAV_SOURCE_DIR) + "/scenarios")) {
    if (entry.path().extension() != ".scn") continue;
    std::string name = entry.path().stem().string();
    EXPECT_NE(std::find(built.begin(), built.end(), name), built.end()) << name << " is new: build again";
    EXPECT_TRUE(played.count(name)) << name << " follows a scenario that is never played";
  }
  for (const std::string& name : built) {
    EXPECT_TRUE(std::filesystem::exists(ScenarioPath(name))) << name << " is gone: build again";
    EXPECT_EQ(Declarations(name).error, "") << name;
  }
}

}  // namespace
