#include "host/program/UserFolder.h"

#include "platform/Charset.h"
#include "vezadazavo/VezadaZavo.h"

namespace host {

void UseUserFolder(const std::string& folder) {
  if (folder.empty()) return;
  CString path = charset::Utf8ToGbk(folder).c_str();
  if (path.Right(1) != "/") path += "/";
  VzData().csUserPath = path;
}

}  // namespace host
