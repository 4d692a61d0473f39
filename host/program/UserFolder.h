// The signed-in user's folder, as the sibling library tells the module (GetUserPath).
#pragma once

#include <string>

namespace host {

// Makes folder (UTF-8) the user's folder: the defaults file and the saved conferences are read
// from and written there. An empty folder leaves the sibling library's default.
void UseUserFolder(const std::string& folder);

}  // namespace host
