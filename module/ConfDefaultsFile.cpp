#include "module/ConfDefaultsFile.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "common/Codecs.h"
#include "common/TagReader.h"
#include "platform/Files.h"
#include "platform/Profile.h"

const char kConfDefaultsFileName[] = "mmc_dfs.dat";
const char kConfDefaultsBackupName[] = "mmc_dfs.bak";

namespace {

// The largest file ReadConfDefaultsFile reads.
const size_t kConfDefaultsFileLimit = 1024 * 1024;
const int kAttributeBuffer = 260;

std::string EscapeValue(const char* value) {
  std::string out;
  for (const char* p = value; *p; ++p) {
    if (*p == '&')
      out += "&amp;";
    else if (*p == '"')
      out += "&quot;";
    else
      out += *p;
  }
  return out;
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
      EscapeValue(d.subject).c_str(), d.maxnum, d.period, d.remaintime, EscapeValue(d.mempwd).c_str(),
      EscapeValue(d.masterpwd).c_str(), EscapeValue(d.visitorpwd).c_str(), d.playstatussound);
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
  return kOpening + EscapeValue(subject.c_str()) + text.substr(end);
}

}  // namespace

std::string FormatConfDefaultsFile(const ConfDefaultData& d) { return HexEncodeString(DefaultsText(d)).str(); }

ConfDefaultsRead ParseConfDefaultsFile(const std::string& bytes, ConfDefaultData* d) {
  std::string hex = bytes;
  // Line ends, blanks or NULs that an editor or a copy tool left after the text are no part of it.
  while (!hex.empty() && (hex.back() == '\0' || isspace((unsigned char)hex.back()))) hex.pop_back();
  std::vector<BYTE> text(hex.size() / 2 + 1, 0);
  if (hex.empty() || HexDecodeString(hex.c_str(), text.data(), (int)text.size() - 1) < 0)
    return ConfDefaultsRead::kNotHex;
  CTagReader reader;
  if (!reader.LoadText((const char*)text.data()) &&
      !reader.LoadText(WithOlderSubjectEscaped((const char*)text.data()).c_str()))
    return ConfDefaultsRead::kNotTagged;
  if (!reader.FindTag("mmc_dfs") || !reader.EnterTag()) return ConfDefaultsRead::kNoDataElement;
  ConfDefaultData read = *d;
  do {
    ReadDataElement(reader, read);
  } while (reader.NextTag());
  *d = read;
  return ConfDefaultsRead::kDone;
}

ConfDefaultsRead ReadConfDefaultsFile(const char* path, ConfDefaultData* d) {
  std::string bytes;
  if (platform::ReadFileLimited(path, kConfDefaultsFileLimit, &bytes) != platform::ReadResult::kDone)
    return ConfDefaultsRead::kUnreadable;
  return ParseConfDefaultsFile(bytes, d);
}

BOOL WriteConfDefaultsFile(const char* path, const ConfDefaultData& d) {
  std::string bytes = FormatConfDefaultsFile(d);
  return platform::WriteFileReplacing(path, bytes.data(), bytes.size());
}
