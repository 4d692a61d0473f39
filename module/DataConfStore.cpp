// The module's saved conference list and its file "mmc.dat".
#include <system_error>
#include <filesystem>

#include "module/DamagedFile.h"
#include "module/TavorineModule.h"
#include "platform/Files.h"

CString CTavorineModule::GetDataConfFilePath() const { return GetUserPath() + kDataConfFileName; }

// A file that cannot be read leaves the list in memory as it was; its bytes are kept aside
// before the next list is written (SaveDataConfToFile).
void CTavorineModule::LoadDataConfFromFile() {
  CString path = GetDataConfFilePath();
  std::error_code error;
  CString line;
  if (!std::filesystem::exists(path.str(), error)) {
    line.Format("CTavorineModule::LoadDataConfFromFile(the file(%s) is not exist!)\n", (const char*)path);
  } else if (!LoadDataConfListFile(path, &m_dataConfList)) {
    line.Format("[ERROR]CTavorineModule::LoadDataConfFromFile(the file(%s) is damaged, list kept)\n",
                (const char*)path);
    m_bDataConfFileDamaged = TRUE;
  } else {
    m_bDataConfFileDamaged = FALSE;
  }
  if (!line.IsEmpty()) WriteLog(line, 1);
  m_bDataConfLoaded = TRUE;
}

// The list is cut to what the next load reads (the oldest conferences go first), and a file
// that could not be read is set aside, never written over.
BOOL CTavorineModule::SaveDataConfToFile() {
  std::error_code error;
  std::filesystem::create_directories(GetUserPath().str(), error);
  CString path = GetDataConfFilePath(), line;
  if (int dropped = FitDataConfList(&m_dataConfList)) {
    line.Format("CTavorineModule::SaveDataConfToFile(the list cut by %d of its oldest entries to stay within %u bytes)\n",
                dropped, (unsigned)kDataConfFileLimit);
    WriteLog(line, 1);
  }
  if (m_bDataConfFileDamaged && PathFileExists(path)) {
    CString aside = SetDamagedFileAside(path);
    if (aside.IsEmpty()) {
      line.Format("[ERROR]CTavorineModule::SaveDataConfToFile(the damaged file(%s) cannot be set aside: not written)\n",
                  (const char*)path);
      WriteLog(line, 1);
      return FALSE;
    }
    line.Format("CTavorineModule::SaveDataConfToFile(the damaged file(%s) is kept as %s)\n", (const char*)path,
                (const char*)aside);
    WriteLog(line, 1);
  }
  m_bDataConfFileDamaged = FALSE;
  if (SaveDataConfListFile(path, m_dataConfList)) return TRUE;
  line.Format("[ERROR]CTavorineModule::SaveDataConfToFile(cannot write %s)\n", (const char*)path);
  WriteLog(line, 1);
  return FALSE;
}

// The saved records are read first, so that writing the list keeps them.
void CTavorineModule::AddDataConfInfo(const DataConfInfo& info) {
  if (!m_bDataConfLoaded) LoadDataConfFromFile();
  m_dataConfList.InsertAt(0, info);
  SaveDataConfToFile();
}

void CTavorineModule::DelDataConfInfoFromList(DataConfInfo info) {
  if (info.csURI.IsEmpty() && info.csStartTime.IsEmpty()) return;
  for (int i = 0; i < m_dataConfList.GetSize(); ++i) {
    if (m_dataConfList[i].csURI == info.csURI && m_dataConfList[i].csStartTime == info.csStartTime) {
      m_dataConfList.RemoveAt(i);
      SaveDataConfToFile();
      return;
    }
  }
}
