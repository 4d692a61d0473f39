// The conference defaults file "mmc_dfs.dat": the hexadecimal form of
// <mmc_dfs><data subject=".." maxnum=".." ...></data></mmc_dfs>, written and read here.
// Text values carry '&' and '"' as "&amp;" and "&quot;", so every subject loads back as typed;
// other bytes (Chinese text, '<', '\'') go in as they are.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/Codecs.h"
#include "common/TagReader.h"
#include "module/DamagedFile.h"
#include "module/TavorineModule.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfDefaultSet.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const int kDiskFull = 2;
const int kAttributeBuffer = 260;

CString EscapeValue(const CString& value) {
  std::string out;
  for (const char* p = value; *p; ++p) {
    if (*p == '&')
      out += "&amp;";
    else if (*p == '"')
      out += "&quot;";
    else
      out += *p;
  }
  return out.c_str();
}

// The two escapes EscapeValue writes; any other '&' (as files from older versions may hold)
// stays as it is. Neither byte occurs inside a GBK double-byte character.
CString UnescapeValue(const char* value) {
  std::string out;
  for (const char* p = value; *p;) {
    if (!strncmp(p, "&amp;", 5)) {
      out += '&';
      p += 5;
    } else if (!strncmp(p, "&quot;", 6)) {
      out += '"';
      p += 6;
    } else {
      out += *p++;
    }
  }
  return out.c_str();
}

CString DefaultsText(const ConfDefaultData& d) {
  CString text;
  text.Format(
      "<mmc_dfs><data subject=\"%s\" maxnum=\"%d\" period=\"%d\" remaintime=\"%d\" mempwd=\"%s\" masterpwd=\"%s\" "
      "visitorpwd=\"%s\" playstatussound=\"%d\"></data></mmc_dfs>",
      (LPCTSTR)EscapeValue(d.subject), d.maxnum, d.period, d.remaintime, (LPCTSTR)EscapeValue(d.mempwd),
      (LPCTSTR)EscapeValue(d.masterpwd), (LPCTSTR)EscapeValue(d.visitorpwd), d.playstatussound);
  return text;
}

CString Attribute(CTagReader& reader, const char* name) {
  char value[kAttributeBuffer] = "";
  reader.GetTagAttribute(name, value, sizeof value);
  return UnescapeValue(value);
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

// Earlier versions wrote the subject as it stood, so a subject holding '"' cut its attribute
// short. Their text has a fixed form: the subject is what stands between the opening below and
// the first "\" maxnum=\"" (the passwords after it are digits). The same text with the subject
// escaped, or "" when the text is not of that form.
std::string WithOlderSubjectEscaped(const std::string& text) {
  static const char kOpening[] = "<mmc_dfs><data subject=\"";
  static const char kNext[] = "\" maxnum=\"";
  if (text.compare(0, sizeof kOpening - 1, kOpening) != 0) return std::string();
  size_t end = text.find(kNext, sizeof kOpening - 1);
  if (end == std::string::npos) return std::string();
  std::string subject = text.substr(sizeof kOpening - 1, end - (sizeof kOpening - 1));
  return kOpening + std::string(EscapeValue(subject.c_str())) + text.substr(end);
}

// Reads one defaults file into *d (the last data element wins). NULL when it held the
// defaults; else the step it stopped at: "1" unreadable, "6" not a hexadecimal text (an empty
// or cut file), "7" not a tagged text, "8" no data element in mmc_dfs. *d is then unchanged.
// A defaults file holds a few kilobytes; anything larger (a device, a foreign file) is unreadable.
const size_t kMaxDefaultsFileSize = 1024 * 1024;

const char* ReadDefaultsFile(const CString& path, ConfDefaultData* d) {
  std::string hex;
  if (platform::ReadFileLimited(path, kMaxDefaultsFileSize, &hex) != platform::ReadResult::kDone) return "1";
  // Line ends, blanks or NULs that an editor or a copy tool left after the text are no part of it.
  while (!hex.empty() && (hex.back() == '\0' || isspace((unsigned char)hex.back()))) hex.pop_back();
  std::vector<BYTE> text(hex.size() / 2 + 1, 0);
  if (hex.empty() || HexDecodeString(hex.c_str(), text.data(), (int)text.size() - 1) < 0) return "6";
  CTagReader reader;
  if (!reader.LoadText((const char*)text.data()) &&
      !reader.LoadText(WithOlderSubjectEscaped((const char*)text.data()).c_str()))
    return "7";
  if (!reader.FindTag("mmc_dfs") || !reader.EnterTag()) return "8";
  ConfDefaultData read = *d;
  do {
    ReadDataElement(reader, read);
  } while (reader.NextTag());
  *d = read;
  return nullptr;
}

void Log(const char* format, const char* value) {
  CString line;
  line.Format(format, value);
  TavorineModule()->WriteLog(line, 1);
}

}  // namespace

CString CmmconfDefaultSet::DefaultsFilePath(BOOL bBackup) {
  CPellUser* user = GetUserData();
  return GetUserPath() + (user ? user->m_csOwnName : CString()) + (bBackup ? "mmc_dfs.bak" : "mmc_dfs.dat");
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
  CString hex = HexEncodeString(DefaultsText(module->m_confDefaultData));
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
  if (!platform::WriteFileReplacing(path, hex.GetString(), hex.GetLength())) {
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
// holds the defaults; otherwise FALSE, and the caller falls back as for a missing file. A file
// that exists but cannot be read is set aside at the next write (SaveDefaultDataToFile).
BOOL CmmconfDefaultSet::ReadDefaultRecord() {
  CString path = DefaultsFilePath(), backup = DefaultsFilePath(TRUE);
  CTavorineModule* module = TavorineModule();
  ConfDefaultData& record = module->m_confDefaultData;
  const char* failedStep = nullptr;
  if (!PathFileExists(path)) {
    Log("CmmconfDefaultSet::LoadDefaultDataFromFile():the file(%s) is not exist!", path);
  } else if ((failedStep = ReadDefaultsFile(path, &record)) != nullptr) {
    Log("CmmconfDefaultSet::LoadDefaultDataFromFile()  Exception --- strDebugFlag=%s", failedStep);
  } else {
    module->m_bConfDefaultsFileDamaged = FALSE;
    module->m_bConfDefaultsLoaded = TRUE;
    return TRUE;
  }
  module->m_bConfDefaultsFileDamaged = failedStep != nullptr;
  if (!PathFileExists(backup) || ReadDefaultsFile(backup, &record)) {
    if (!failedStep && !PathFileExists(backup)) return FALSE;
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
