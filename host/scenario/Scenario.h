// A scenario: the host's side of a session with the module, one step a line (the format is
// described in docs/scenarios.md). Parsing checks every step, so a mistyped scenario fails
// before the module is loaded.
#pragma once

#include <string>

#include "host/scenario/ScenarioStep.h"

namespace host {

// Parses the text; on failure returns false with "line N: reason" in *error.
bool ParseScenario(const std::string& text, Scenario* out, std::string* error);

// Makes the step's file paths (pictures and page XML written, pictures captured, files chosen
// in a file dialog, the source files of the user-folder steps) that are not absolute relative
// to folder.
void ResolvePaths(ScenarioStep* step, const std::string& folder);
// The folder of a file's path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Reads and parses a file, its steps' paths resolved against the file's folder; on failure
// returns false with the reason in *error.
bool LoadScenarioFile(const std::string& path, Scenario* out, std::string* error);

// The module operations a `call` step may name.
bool IsModuleOperation(const std::string& name);

}  // namespace host
