// How the scenario files of a folder are played, one after another (docs/scenarios.md,
// "Playing the scenario files"): every file NAME.scn in the order of the file names, each on a
// fresh user folder of its own, with what the "# play: " lines of its opening comment declare.
// The main job's script reads the plan from `tavorine-host --play-plan`; the tests read it here.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace host {

// One play of a scenario file.
struct ScenarioPlay {
  std::string name;                       // the file NAME.scn
  std::string lineEndPattern;             // when set: played again once a line end ("\r\n")
                                          // ends the user's one file matching this pattern
  std::vector<std::string> samePictures;  // none, or two pictures (paths from the repository
                                          // root) the play writes that must be the same bytes
};

// Scenarios played one after another on one user folder, the first on a fresh one.
struct ScenarioChain {
  std::string userFolder;  // the folder's name among the users' folders; empty: none is given
  std::vector<ScenarioPlay> plays;
};

// Reads the declarations of every scenario file in folder and orders the plays; on a bad
// declaration returns false with "FOLDER/NAME.scn: reason" in *error.
bool ReadPlayPlan(const std::string& folder, std::vector<ScenarioChain>* plan, std::string* error);

// The plan, one step a line: "fresh-user-folder FOLDER" or "no-user-folder" before each chain,
// "play NAME", "again-with-line-end PATTERN" (the last play again, its line end added) and
// "same-pictures FILE FILE".
void PrintPlayPlan(const std::vector<ScenarioChain>& plan, std::ostream& out);

}  // namespace host
