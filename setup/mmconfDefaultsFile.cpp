// The defaults page's file half: where "mmc_dfs.dat" lies, when it is read or written, what
// stands in for a file that is missing or damaged, and the log lines that say so. The file's
// form is module/ConfDefaultsFile.h.
#include <string>

#include "module/ConfDefaultsFile.h"
#include "module/DamagedFile.h"
#include "module/TavorineModule.h"
#include "platform/Files.h"
#include "setup/mmconfDefaultSet.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const int kDiskFull = 2;

void Log(const char* format, const char* value) {
  CString line;
  line.Format(format, value);
  TavorineModule()->WriteLog(line, 1);
}

}  // namespace

CString CmmconfDefaultSet::DefaultsFilePath(BOOL bBackup) {
  CPellUser* user = GetUserData();
  return GetUserPath() + (user ? user->m_csOwnName : CString()) +
         (bBackup ? kConfDefaultsBackupName : kConfDefaultsFileName);
}

// The new file replaces the old one only once it is written whole; a failed or short write
// leaves the last good file in place and says so. Only a record that was loaded is written, and
// a file that could not be read is kept aside, never written over.
BOOL CmmconfDefaultSet::SaveDefaultDataToFile() {
  CTavorineModule* module = TavorineModule();
  CString path = DefaultsFilePath();
  if (!module->m_bConfDefaultsLoaded) {
    Log("[ERROR]CmmconfDefaultSet::SaveDefaultDataToFile():the defaults were never loaded, the file(%s) is not written",
        path);
    return FALSE;
  }
  if (ChkFreeDiskSpace(nullptr) == kDiskFull) return FALSE;
  CreateDirectory(GetUserPath());
  if (module->m_bConfDefaultsFileDamaged && PathFileExists(path)) {
    CString aside = SetDamagedFileAside(path);
    if (aside.IsEmpty()) {
      Log("[ERROR]CmmconfDefaultSet::SaveDefaultDataToFile():the damaged file(%s) cannot be set aside!", path);
      return FALSE;
    }
    Log("CmmconfDefaultSet::SaveDefaultDataToFile():the damaged file is kept as %s", aside);
  }
  module->m_bConfDefaultsFileDamaged = FALSE;
  if (!WriteConfDefaultsFile(path, module->m_confDefaultData)) {
    Log("CmmconfDefaultSet::SaveDefaultDataToFile():the file(%s) could not be written!", path);
    return FALSE;
  }
  // A backup that an earlier failed write left behind is older than what was just written.
  DeleteFile(DefaultsFilePath(TRUE));
  return TRUE;
}

BOOL CmmconfDefaultSet::LoadDefaultDataFromFile() {
  if (!ReadDefaultRecord()) return FALSE;
  m_bLoaded = TRUE;
  return TRUE;
}

// A file that is missing, empty, cut or damaged gives way to the backup beside it, when that
// holds the defaults. Without a usable backup: FALSE when neither file is there, and the caller
// falls back as for a first start; otherwise the built-in values serve in memory and nothing is
// written. A file that exists but cannot be read is set aside at the next write
// (SaveDefaultDataToFile).
BOOL CmmconfDefaultSet::ReadDefaultRecord() {
  CString path = DefaultsFilePath(), backup = DefaultsFilePath(TRUE);
  CTavorineModule* module = TavorineModule();
  ConfDefaultData& record = module->m_confDefaultData;
  ConfDefaultsRead fileRead = ConfDefaultsRead::kDone;
  if (!PathFileExists(path)) {
    Log("CmmconfDefaultSet::LoadDefaultDataFromFile():the file(%s) is not exist!", path);
  } else if ((fileRead = ReadConfDefaultsFile(path, &record)) != ConfDefaultsRead::kDone) {
    Log("CmmconfDefaultSet::LoadDefaultDataFromFile()  Exception --- strDebugFlag=%s",
        std::to_string(static_cast<int>(fileRead)).c_str());
  } else {
    module->m_bConfDefaultsFileDamaged = FALSE;
    module->m_bConfDefaultsLoaded = TRUE;
    return TRUE;
  }
  bool damaged = fileRead != ConfDefaultsRead::kDone;
  module->m_bConfDefaultsFileDamaged = damaged;
  if (!PathFileExists(backup) || ReadConfDefaultsFile(backup, &record) != ConfDefaultsRead::kDone) {
    if (!damaged && !PathFileExists(backup)) return FALSE;
    // The built-in values serve in memory until the user saves defaults of their own.
    Log("CmmconfDefaultSet::LoadDefaultDataFromFile():the file(%s) is damaged and has no usable backup!", path);
    CString password = BuiltInPassword();
    record.Set(CString(), 0, 0, 0, password, password, password, record.playstatussound);
    module->m_bConfDefaultsLoaded = TRUE;
    return TRUE;
  }
  Log("CmmconfDefaultSet::LoadDefaultDataFromFile():the defaults were read from the backup(%s)", backup);
  module->m_bConfDefaultsLoaded = TRUE;
  return TRUE;
}
