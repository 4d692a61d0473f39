// The host program against the built library: it loads the module, plays the first
// scenario and prints the traffic.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct ProgramRun {
  int status;
  std::string output;
};

ProgramRun RunProgram(const std::string& args) {
  std::string command = std::string("'") + TAV_HOST_PROGRAM + "' " + args + " 2>&1";
  ProgramRun run{-1, ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string ModuleArg() { return std::string("--module '") + TAV_MODULE_LIBRARY + "' "; }

TEST(HostProgram, FirstScenarioLoadsQueriesAndClosesTheModule) {
  ProgramRun run = RunProgram(ModuleArg() + "'" + TAV_SOURCE_DIR + "/scenarios/first.scn'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("< GetModuleKind returned 5\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("> host 15\n< handled 1,"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("module 5 -> host: 20007 (front window): window 0x0"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("< Close done\n"), std::string::npos) << run.output;
}

std::string WriteScenario(const std::string& name, const char* text) {
  std::string path = testing::TempDir() + name;
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return path;
  std::fputs(text, file);
  std::fclose(file);
  return path;
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

TEST(HostProgram, TheUsersFilesLiveInTheUserFolder) {
  std::string folder = testing::TempDir() + "user-folder-test";
  std::string defaults = folder + "/zhangweimmc_dfs.dat";
  std::remove(defaults.c_str());
  std::string path = WriteScenario("open.scn", "call LoadUserData\nhost 2\n");
  ProgramRun run = RunProgram(ModuleArg() + "--user-folder '" + folder + "' '" + path + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  // The defaults page found no defaults file there and wrote the defaults into it.
  EXPECT_NE(run.output.find("the file(" + defaults + ") is not exist!"), std::string::npos) << run.output;
  FILE* file = std::fopen(defaults.c_str(), "rb");
  EXPECT_NE(file, nullptr);
  if (file) std::fclose(file);
  std::remove(path.c_str());
}

TEST(HostProgram, RefusesABadScenarioBeforeLoadingTheModule) {
  std::string path = WriteScenario("bad.scn", "call LoadUserData\nhost 8\n");
  ProgramRun run = RunProgram(ModuleArg() + "'" + path + "'");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("bad.scn: line 2: host code 8 cannot be played"), std::string::npos) << run.output;
  std::remove(path.c_str());
}

TEST(HostProgram, ReportsAMissingLibrary) {
  ProgramRun run = RunProgram(std::string("--module /nonexistent/libtavorine.so '") + TAV_SOURCE_DIR + "/scenarios/first.scn'");
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.output.find("cannot load the module"), std::string::npos) << run.output;
}

}  // namespace
