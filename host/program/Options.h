// The command line of tavorine-host.
#pragma once

#include <string>

namespace host {

struct Options {
  std::string modulePath;    // libtavorine.so to load
  std::string scenarioPath;  // the scenario to play
  std::string userFolder;    // the signed-in user's folder; empty: the sibling library's own
  std::string playPlanFolder;  // when set: print how the scenario files of this folder are
                               // played (host/scenario/PlayPlan.h) instead of playing one
};

// Parses argv; on failure returns false with the reason (or the usage) in *error.
bool ParseOptions(int argc, char** argv, Options* out, std::string* error);

// The usage text.
std::string Usage(const char* program);

// The library beside the program when there is one, else the one of the build tree.
std::string DefaultModulePath();

}  // namespace host
