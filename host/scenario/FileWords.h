// Scenario steps on the files of the signed-in user's folder, the folder the sibling library
// names to the module (GetUserPath: --user-folder, in two-sided play the side's own):
//
//   put-file NAME SOURCE       copies SOURCE into the user's folder as NAME, for the module to
//                              read later (a damaged "mmc.dat", a saved defaults file)
//   expect-file NAME SOURCE    the user's file NAME holds exactly SOURCE's bytes
//   expect-file NAME absent    the user's folder holds no file NAME
//   expect-file-kept SOURCE    some file of the user's folder holds exactly SOURCE's bytes
//
// NAME is a file name without folders; "<user>" in it stands for the user's own-name text that
// begins the per-user file names, so "<user>mmc_dfs.dat" is the defaults file of whoever is
// signed in. SOURCE is a file path, relative to the scenario's folder (Scenario.h ResolvePaths).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsFileVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckFileStep(const ScenarioStep& step);
// The indexes of the step's words that are SOURCE paths.
std::vector<size_t> FileStepSources(const ScenarioStep& step);
// Copies or compares; "" when done or as expected, else why not.
std::string PlayFileStep(const ScenarioStep& step);

}  // namespace host
