// The host messages a scenario can deliver to the module: for each code, how its block is
// built from the step's words and how the module's answer in the block reads.
#pragma once

#include <string>
#include <vector>

#include "host/recording/RecordingHost.h"

namespace host {

// Whether the code can be delivered with these words; when not, *error says why.
bool CheckHostMessage(int code, const std::vector<std::string>& args, std::string* error);

// Builds the code's block from the words (checked before), delivers it to the host's
// module as category 1, and returns a line describing what the module wrote back.
std::string DeliverHostMessage(RecordingHost& host, int code, const std::vector<std::string>& args);

}  // namespace host
