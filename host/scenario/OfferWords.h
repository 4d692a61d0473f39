// The host messages that carry the texts of the user's requests: the peer of a point-to-point
// offer (codes 3 and 4) and the member numbers of the create page (code 16).
#pragma once

#include <string>
#include <vector>

#include "host/recording/RecordingHost.h"

namespace host {

// host 3 URI, host 4 URI: {peer URI, handled}.
std::string DeliverPeerRequest(RecordingHost& host, int code, const std::vector<std::string>& args);
// host 16 PAGE [NUMBER ...]: {page, the numbers joined with ";" (NULL without), handled}.
std::string DeliverShowPage(RecordingHost& host, int code, const std::vector<std::string>& args);

}  // namespace host
