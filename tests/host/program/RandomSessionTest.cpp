// Random two-sided sessions (tests/host/program/SessionGenerator.h) played by the host program:
// after each, both boards must hold the same pages. A failing session's scenario is kept in the
// test's temporary folder and named, with its seed, in the failure.
//
// TAV_RANDOM_SESSIONS sets how many sessions are played in all (default 100; the valgrind lane
// plays fewer); they are split over the shards below, which ctest runs side by side.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/host/program/ProgramRun.h"
#include "tests/host/program/SessionGenerator.h"

namespace {

constexpr int kShards = 4;
constexpr int kDefaultSessions = 100;

int SessionCount() {
  const char* count = std::getenv("TAV_RANDOM_SESSIONS");
  return count && std::atoi(count) > 0 ? std::atoi(count) : kDefaultSessions;
}

// The failure line the program printed, for the report.
std::string FailureOf(const std::string& output) {
  size_t at = output.find("< FAILED: ");
  return at == std::string::npos ? "no failure line" : output.substr(at, output.find('\n', at) - at);
}

class RandomSessions : public testing::TestWithParam<int> {};

TEST_P(RandomSessions, BothBoardsHoldTheSamePages) {
  sessions::SessionOptions options;
  options.picture = std::string(TAV_SOURCE_DIR) + "/res/pictures/Hand.bmp";
  std::string failures;
  for (int seed = 1 + GetParam(); seed <= SessionCount(); seed += kShards) {
    std::string name = "random-session-" + std::to_string(seed) + ".scn";
    std::string path = WriteScenario(name, sessions::GenerateSession((uint32_t)seed, options).c_str());
    // Sides of their own: other runs on the machine use the client's default folder.
    std::string folder = UserFolder("random-" + std::to_string(seed));
    ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + folder + "' '" + path + "'");
    if (run.status == 0) {
      std::remove(path.c_str());
      std::filesystem::remove_all(folder);
      continue;
    }
    failures += "seed " + std::to_string(seed) + " (" + path + "): " + FailureOf(run.output) + "\n";
  }
  EXPECT_EQ(failures, "");
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomSessions, testing::Range(0, kShards));

}  // namespace
