#include "host/program/Options.h"

#include <unistd.h>

#include <climits>
#include <string_view>

namespace host {
namespace {

std::string ProgramFolder() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string exe(path, n);
  return exe.substr(0, exe.rfind('/'));
}

}  // namespace

std::string Usage(const char* program) {
  return std::string("usage: ") + program + " [--module PATH] [--user-folder DIR] SCENARIO\n"
         "       " + program + " --play-plan FOLDER\n"
         "  plays SCENARIO (see docs/scenarios.md) against the module loaded from PATH\n"
         "  (default: libtavorine.so beside the program, else the build tree's);\n"
         "  the user's files (defaults, saved conferences) live in DIR;\n"
         "  --play-plan prints how the scenario files of FOLDER are played, one after another\n";
}

std::string DefaultModulePath() {
  std::string beside = ProgramFolder() + "/libtavorine.so";
  if (access(beside.c_str(), R_OK) == 0) return beside;
  return TAV_DEFAULT_MODULE;
}

bool ParseOptions(int argc, char** argv, Options* out, std::string* error) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--module" && i + 1 < argc) {
      options.modulePath = argv[++i];
    } else if (arg == "--user-folder" && i + 1 < argc && argv[i + 1][0]) {
      options.userFolder = argv[++i];
    } else if (arg == "--play-plan" && i + 1 < argc && argv[i + 1][0]) {
      options.playPlanFolder = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && options.scenarioPath.empty()) {
      options.scenarioPath = argv[i];
    } else {
      *error = Usage(argv[0]);
      return false;
    }
  }
  if (options.scenarioPath.empty() == options.playPlanFolder.empty()) {
    *error = Usage(argv[0]);
    return false;
  }
  if (options.modulePath.empty()) options.modulePath = DefaultModulePath();
  *out = options;
  return true;
}

}  // namespace host
