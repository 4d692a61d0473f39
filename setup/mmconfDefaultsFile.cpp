// The conference defaults file "mmc_dfs.dat": the hexadecimal form of
// <mmc_dfs><data subject=".." maxnum=".." ...></data></mmc_dfs>, written and read here.
#include <cstdio>
#include <vector>

#include "module/Codecs.h"
#include "module/TagReader.h"
#include "module/TavorineModule.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "setup/mmconfDefaultSet.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const int kDiskFull = 2;
const int kAttributeBuffer = 260;

CString DefaultsText(const ConfDefaultData& d) {
  CString text;
  text.Format(
      "<mmc_dfs><data subject=\"%s\" maxnum=\"%d\" period=\"%d\" remaintime=\"%d\" mempwd=\"%s\" masterpwd=\"%s\" "
      "visitorpwd=\"%s\" playstatussound=\"%d\"></data></mmc_dfs>",
      (LPCTSTR)d.subject, d.maxnum, d.period, d.remaintime, (LPCTSTR)d.mempwd, (LPCTSTR)d.masterpwd,
      (LPCTSTR)d.visitorpwd, d.playstatussound);
  return text;
}

BOOL WriteWholeFile(const CString& path, const CString& content) {
  FILE* file = fopen(platform::NativePath(path).c_str(), "wb");
  if (!file) return FALSE;
  size_t written = fwrite(content.GetString(), 1, content.GetLength(), file);
  return fclose(file) == 0 && written == (size_t)content.GetLength();
}

BOOL ReadWholeFile(const CString& path, std::string* content) {
  FILE* file = fopen(platform::NativePath(path).c_str(), "rb");
  if (!file) return FALSE;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) content->append(buffer, n);
  bool failed = ferror(file) != 0;
  fclose(file);
  return !failed;
}

CString Attribute(CTagReader& reader, const char* name) {
  char value[kAttributeBuffer] = "";
  reader.GetTagAttribute(name, value, sizeof value);
  return value;
}

// The attributes of one data element, in the record's order.
void ReadDataElement(CTagReader& reader, ConfDefaultData& d) {
  d.subject = Attribute(reader, "subject");
  d.maxnum = StrToIntA(Attribute(reader, "maxnum"));
  d.period = StrToIntA(Attribute(reader, "period"));
  d.remaintime = StrToIntA(Attribute(reader, "remaintime"));
  d.mempwd = Attribute(reader, "mempwd");
  d.masterpwd = Attribute(reader, "masterpwd");
  d.visitorpwd = Attribute(reader, "visitorpwd");
  d.playstatussound = StrToIntA(Attribute(reader, "playstatussound"));
}

// Reads, decodes and parses the file; the step it stopped at, or NULL when the reader holds the text.
const char* ParseDefaultsFile(const CString& path, CTagReader* reader) {
  std::string hex;
  if (!ReadWholeFile(path, &hex)) return "1";
  std::vector<BYTE> text(hex.size() / 2 + 1, 0);
  if (HexDecodeString(hex.c_str(), text.data(), (int)text.size() - 1) < 0) return "7";
  if (!reader->LoadText((const char*)text.data())) return "8";
  return nullptr;
}

}  // namespace

CString CmmconfDefaultSet::DefaultsFilePath(BOOL bBackup) {
  CPellUser* user = GetUserData();
  return GetUserPath() + (user ? user->m_csOwnName : CString()) + (bBackup ? "mmc_dfs.bak" : "mmc_dfs.dat");
}

BOOL CmmconfDefaultSet::SaveDefaultDataToFile() {
  if (ChkFreeDiskSpace(nullptr) == kDiskFull) return FALSE;
  CString text = DefaultsText(TavorineModule()->m_confDefaultData);
  CreateDirectory(GetUserPath());
  CString path = DefaultsFilePath(), backup = DefaultsFilePath(TRUE);
  if (PathFileExists(path)) {
    DeleteFile(backup);
    MoveFile(path, backup);
  }
  // A file that cannot be created leaves the old contents in the backup only.
  if (WriteWholeFile(path, HexEncodeString(text))) DeleteFile(backup);
  return TRUE;
}

BOOL CmmconfDefaultSet::LoadDefaultDataFromFile() {
  CString path = DefaultsFilePath();
  CTavorineModule* module = TavorineModule();
  if (!PathFileExists(path)) {
    CString line;
    line.Format("CmmconfDefaultSet::LoadDefaultDataFromFile():the file(%s) is not exist!", (LPCTSTR)path);
    module->WriteLog(line, 1);
    return FALSE;
  }
  CTagReader reader;
  // A file that exists but cannot be read or parsed counts as loaded: the record keeps its values.
  const char* failedStep = ParseDefaultsFile(path, &reader);
  if (failedStep) {
    CString line;
    line.Format("CmmconfDefaultSet::LoadDefaultDataFromFile()  Exception --- strDebugFlag=%s", failedStep);
    module->WriteLog(line, 1);
  } else if (reader.FindTag("mmc_dfs")) {
    reader.EnterTag();
    do {
      ReadDataElement(reader, module->m_confDefaultData);
    } while (reader.NextTag());
    reader.LeaveTag();
  }
  m_bLoaded = TRUE;
  return TRUE;
}
