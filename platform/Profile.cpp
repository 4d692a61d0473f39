#include "platform/Profile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "platform/Files.h"
#include "platform/Mbcs.h"

namespace {

struct IniFile {
  std::vector<std::string> lines;
};

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool SameName(const std::string& a, const char* b) { return CString(a).CompareNoCase(b) == 0; }

IniFile Load(LPCTSTR file) {
  IniFile ini;
  std::ifstream in(platform::NativePath(file), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ini.lines.push_back(line);
  }
  return ini;
}

// A failed write never loses the values already stored (WriteFileReplacing).
bool Save(const IniFile& ini, LPCTSTR file) {
  std::string content;
  for (const std::string& line : ini.lines) content += line + "\r\n";
  return platform::WriteFileReplacing(file, content.data(), content.size());
}

// The section name of a "[name]" line; false for other lines.
bool SectionOf(const std::string& line, std::string* name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t[0] != '[') return false;
  size_t close = t.find(']');
  if (close == std::string::npos) return false;
  *name = Trim(t.substr(1, close - 1));
  return true;
}

// The key and value of a "key=value" line.
bool EntryOf(const std::string& line, std::string* key, std::string* value) {
  size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  *key = Trim(line.substr(0, eq));
  *value = Trim(line.substr(eq + 1));
  return !key->empty() && (*key)[0] != ';';
}

// The [first, end) line range of a section's body; first = npos when the section is absent.
std::pair<size_t, size_t> FindSection(const IniFile& ini, const char* section) {
  std::string name;
  size_t first = std::string::npos;
  for (size_t i = 0; i < ini.lines.size(); ++i) {
    if (!SectionOf(ini.lines[i], &name)) continue;
    if (first != std::string::npos) return {first, i};
    if (SameName(name, section)) first = i + 1;
  }
  return {first, ini.lines.size()};
}

long FindKey(const IniFile& ini, std::pair<size_t, size_t> range, const char* key, std::string* value) {
  std::string k, v;
  if (range.first == std::string::npos) return -1;
  for (size_t i = range.first; i < range.second; ++i) {
    if (EntryOf(ini.lines[i], &k, &v) && SameName(k, key)) {
      if (value) *value = v;
      return (long)i;
    }
  }
  return -1;
}

bool Lookup(LPCTSTR section, LPCTSTR key, LPCTSTR file, std::string* value) {
  if (!section || !key || !file) return false;
  IniFile ini = Load(file);
  if (FindKey(ini, FindSection(ini, section), key, value) < 0) return false;
  if (value->size() >= 2 && (((*value)[0] == '"' && value->back() == '"') || ((*value)[0] == '\'' && value->back() == '\'')))
    *value = value->substr(1, value->size() - 2);
  return true;
}

// A list of names, each followed by a NUL, the whole ended by another NUL, cut to the buffer.
DWORD CopyList(const std::vector<std::string>& names, LPTSTR buffer, DWORD size) {
  if (!buffer || size < 2) return 0;
  DWORD used = 0;
  for (const std::string& n : names) {
    if (used + n.size() + 2 > size) break;
    memcpy(buffer + used, n.c_str(), n.size() + 1);
    used += (DWORD)n.size() + 1;
  }
  buffer[used] = 0;
  return used;
}

std::vector<std::string> Names(LPCTSTR section, LPCTSTR file) {
  IniFile ini = Load(file);
  std::vector<std::string> names;
  std::string name, value;
  if (!section) {
    for (const std::string& line : ini.lines)
      if (SectionOf(line, &name)) names.push_back(name);
    return names;
  }
  auto range = FindSection(ini, section);
  if (range.first == std::string::npos) return names;
  for (size_t i = range.first; i < range.second; ++i)
    if (EntryOf(ini.lines[i], &name, &value)) names.push_back(name);
  return names;
}

}  // namespace

int StrToInt(LPCTSTR text) {
  if (!text) return 0;
  while (*text == ' ' || *text == '\t') text++;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') text++;
  uint32_t value = 0;
  while (*text >= '0' && *text <= '9') value = value * 10 + (uint32_t)(*text++ - '0');
  return (int)(negative ? 0u - value : value);
}

UINT GetPrivateProfileInt(LPCTSTR section, LPCTSTR key, int defaultValue, LPCTSTR file) {
  std::string value;
  if (!Lookup(section, key, file, &value)) return (UINT)defaultValue;
  return (UINT)StrToInt(value.c_str());
}

DWORD GetPrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR defaultValue, LPTSTR buffer, DWORD size,
                              LPCTSTR file) {
  if (!buffer || size == 0) return 0;
  if (!section || !key) return CopyList(Names(section, file), buffer, size);
  std::string value;
  if (!Lookup(section, key, file, &value)) {
    value = defaultValue ? defaultValue : "";
    value.erase(value.find_last_not_of(' ') + 1);
  }
  return (DWORD)mbcs::CopyLimited(buffer, size, value.c_str());
}

BOOL WritePrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR value, LPCTSTR file) {
  if (!section || !file) return FALSE;
  IniFile ini = Load(file);
  auto range = FindSection(ini, section);
  if (!key) {
    if (range.first != std::string::npos)
      ini.lines.erase(ini.lines.begin() + (long)range.first - 1, ini.lines.begin() + (long)range.second);
    return Save(ini, file);
  }
  long at = FindKey(ini, range, key, nullptr);
  std::string line = std::string(key) + "=" + (value ? value : "");
  if (at >= 0) {
    if (value)
      ini.lines[at] = line;
    else
      ini.lines.erase(ini.lines.begin() + at);
  } else if (value) {
    if (range.first == std::string::npos) {
      ini.lines.push_back(std::string("[") + section + "]");
      ini.lines.push_back(line);
    } else {
      size_t end = range.second;
      while (end > range.first && Trim(ini.lines[end - 1]).empty()) end--;  // before blank lines
      ini.lines.insert(ini.lines.begin() + (long)end, line);
    }
  }
  return Save(ini, file);
}
