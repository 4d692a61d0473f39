// Running the built host program on scenario files, for the tests that play it.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

struct ProgramRun {
  int status;
  std::string output;
};

// Runs the program with args, in folder when one is given.
inline ProgramRun RunProgram(const std::string& args, const std::string& folder = "") {
  std::string command = (folder.empty() ? "" : "cd '" + folder + "' && ") + "'" + TAV_HOST_PROGRAM + "' " + args + " 2>&1";
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

inline std::string ModuleArg() { return std::string("--module '") + TAV_MODULE_LIBRARY + "' "; }

// Writes a scenario file into the test's temporary folder under a name of this process (the
// plain and the sanitizer builds may play the same scenario at once); its path.
inline std::string WriteScenario(const std::string& name, const char* text) {
  std::string path = testing::TempDir() + std::to_string(getpid()) + "-" + name;
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return path;
  std::fputs(text, file);
  std::fclose(file);
  return path;
}

// A fresh user folder of this process: the plain and the sanitizer builds may run at once.
inline std::string UserFolder(const std::string& name) {
  std::string folder = testing::TempDir() + "user-" + name + "-" + std::to_string(getpid());
  std::filesystem::remove_all(folder);
  return folder;
}

// A copy of scenarios/NAME.scn in a folder of this process (the plain and the sanitizer builds
// may play it at once) beside the repository's res/, with the scenarios' files/: the files the
// scenario writes into ../out go to that folder's out/. The copy's path.
inline std::string CopyScenario(const std::string& name) {
  std::string folder = testing::TempDir() + "scenario-" + name + "-" + std::to_string(getpid());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder + "/scenarios");
  std::filesystem::copy_file(std::string(TAV_SOURCE_DIR) + "/scenarios/" + name + ".scn",
                             folder + "/scenarios/" + name + ".scn");
  std::filesystem::create_directory_symlink(std::string(TAV_SOURCE_DIR) + "/res", folder + "/res");
  std::filesystem::create_directory_symlink(std::string(TAV_SOURCE_DIR) + "/scenarios/files",
                                            folder + "/scenarios/files");
  return folder + "/scenarios/" + name + ".scn";
}

// The bytes of a file; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::string text;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return text;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  std::fclose(file);
  return text;
}
