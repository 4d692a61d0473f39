// The module's saved conference list and its file "mmc.dat".
#include <system_error>
#include <filesystem>

#include "module/TavorineModule.h"

CString CTavorineModule::GetDataConfFilePath() const { return GetUserPath() + kDataConfFileName; }

void CTavorineModule::LoadDataConfFromFile() {
  CString path = GetDataConfFilePath();
  std::error_code error;
  CString line;
  if (!std::filesystem::exists(path.str(), error))
    line.Format("CTavorineModule::LoadDataConfFromFile(the file(%s) is not exist!)\n", (const char*)path);
  else if (!LoadDataConfListFile(path, &m_dataConfList))
    line.Format("[ERROR]CTavorineModule::LoadDataConfFromFile(the file(%s) is damaged, list kept)\n",
                (const char*)path);
  if (!line.IsEmpty()) WriteLog(line, 1);
  m_bDataConfLoaded = TRUE;
}

BOOL CTavorineModule::SaveDataConfToFile() {
  std::error_code error;
  std::filesystem::create_directories(GetUserPath().str(), error);
  CString path = GetDataConfFilePath();
  if (SaveDataConfListFile(path, m_dataConfList)) return TRUE;
  CString line;
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
