// The signed-in user, the rights and capabilities, the folders, the message-box title and the
// log.
#include <filesystem>

#include "platform/Files.h"
#include "platform/gdi/GdiObjects.h"
#include "vezadazavo/VezadaZavo.h"

CPellUser* GetUserData() { return &VzData().user; }
tagMyInfo* GetMyInfo() { return &VzData().myInfo; }

BOOL GetDataConfRight(DATACONF_RIGHT* rights) {
  if (!rights) return FALSE;
  *rights = VzData().rights;
  return TRUE;
}

XCAP_CAPS_INFO* GetXCapCapsInfo() { return &VzData().caps; }
CString GetMsgTitle() { return VzData().csMsgTitle; }

HBRUSH GetAppBrush() {
  // The client's window background, light blue-grey; kept for the life of the process.
  static CBrush* brush = new CBrush(RGB(0xEE, 0xF3, 0xFA));
  return *brush;
}

void WriteLog(CString text, int level) { VzData().logLines.push_back(text); }
CString GetAppPath() { return VzData().csAppPath; }
// The signed-in user's folder, made with its parents when missing: the client keeps it, and
// the module only adds its own files there.
CString GetUserPath() {
  const CString& path = VzData().csUserPath;
  std::error_code error;
  if (!path.IsEmpty()) std::filesystem::create_directories(platform::NativePath(path), error);
  return path;
}
int ChkFreeDiskSpace(const char* path) { return VzData().states.iDiskSpace; }
