#include "module/DataConfList.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

const char kDataConfFileName[] = "mmc.dat";
const char kDataConfMarker[] = "CharToCode";
const size_t kDataConfFileLimit = 16 * 1024 * 1024;

namespace {

const char kFormatLine[] = "MMCLIST 1";

std::string Escape(const CString& field) {
  std::string out;
  for (char c : field.str()) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

bool Unescape(const std::string& field, CString* out) {
  std::string text;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      text += field[i];
      continue;
    }
    if (++i == field.size()) return false;
    switch (field[i]) {
      case '\\': text += '\\'; break;
      case 't': text += '\t'; break;
      case 'r': text += '\r'; break;
      case 'n': text += '\n'; break;
      default: return false;
    }
  }
  *out = CString(text);
  return true;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

bool ParseConference(const std::vector<std::string>& f, DataConfInfo* info) {
  return f.size() == 6 && Unescape(f[1], &info->csTitle) && Unescape(f[2], &info->csURI) &&
         Unescape(f[3], &info->csStartTime) && Unescape(f[4], &info->csEndTime) &&
         Unescape(f[5], &info->csStartRole);
}

std::string FormatConference(const DataConfInfo& info) {
  return "C\t" + Escape(info.csTitle) + "\t" + Escape(info.csURI) + "\t" + Escape(info.csStartTime) + "\t" +
         Escape(info.csEndTime) + "\t" + Escape(info.csStartRole) + "\n";
}

std::string FormatEvent(const CString& event) { return "E\t" + Escape(event) + "\n"; }

size_t FormattedSize(const DataConfInfo& info) {
  size_t size = FormatConference(info).size();
  for (int e = 0; e < info.saEvents.GetSize(); ++e) size += FormatEvent(info.saEvents[e]).size();
  return size;
}

}  // namespace

std::string ScrambleBytes(const std::string& bytes) {
  std::string out(bytes);
  for (size_t i = 0; i < out.size(); ++i) out[i] = (char)((unsigned char)out[i] ^ (unsigned char)(0xA7 + 13 * i));
  return out;
}

std::string FormatDataConfList(const DataConfInfoList& list) {
  std::string text = std::string(kFormatLine) + "\n";
  for (int i = 0; i < list.GetSize(); ++i) {
    const DataConfInfo& info = list[i];
    text += FormatConference(info);
    for (int e = 0; e < info.saEvents.GetSize(); ++e) text += FormatEvent(info.saEvents[e]);
  }
  return text;
}

BOOL ParseDataConfList(const std::string& text, DataConfInfoList* out) {
  if (!out || text.empty() || text.back() != '\n') return FALSE;
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kFormatLine) return FALSE;
  DataConfInfoList list;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields = SplitTabs(line);
    if (fields[0] == "C") {
      DataConfInfo info;
      if (!ParseConference(fields, &info)) return FALSE;
      list.Add(info);
    } else if (fields[0] == "E" && fields.size() == 2 && !list.IsEmpty()) {
      CString event;
      if (!Unescape(fields[1], &event)) return FALSE;
      list[list.GetUpperBound()].saEvents.Add(event);
    } else {
      return FALSE;
    }
  }
  out->Copy(list);
  return TRUE;
}

int FitDataConfList(DataConfInfoList* list) {
  const size_t room = kDataConfFileLimit - (sizeof kDataConfMarker - 1);
  size_t used = sizeof kFormatLine;  // the format line and its line end
  int kept = 0, dropped = 0;
  for (; kept < list->GetSize(); ++kept) {
    size_t size = FormattedSize((*list)[kept]);
    if (used + size > room) break;
    used += size;
  }
  if (kept == 0 && !list->IsEmpty()) {
    DataConfInfo& newest = (*list)[0];
    size_t size = FormattedSize(newest);
    for (int e = newest.saEvents.GetUpperBound(); e >= 0 && used + size > room; --e, ++dropped) {
      size -= FormatEvent(newest.saEvents[e]).size();
      newest.saEvents.RemoveAt(e);
    }
    kept = 1;
  }
  dropped += list->GetSize() - kept;
  list->RemoveAt(kept, list->GetSize() - kept);
  return dropped;
}

BOOL SaveDataConfListFile(const char* path, const DataConfInfoList& list) {
  if (!path) return FALSE;
  std::string temp = std::string(path) + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    if (!file) return FALSE;
    file << kDataConfMarker << ScrambleBytes(FormatDataConfList(list));
    if (!file.flush()) {
      std::remove(temp.c_str());
      return FALSE;
    }
  }
  if (std::rename(temp.c_str(), path) != 0) {
    std::remove(temp.c_str());
    return FALSE;
  }
  return TRUE;
}

BOOL LoadDataConfListFile(const char* path, DataConfInfoList* out) {
  if (!path || !out) return FALSE;
  std::ifstream file(path, std::ios::binary);
  if (!file) return FALSE;
  std::string content;
  char chunk[4096];
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
    content.append(chunk, (size_t)file.gcount());
    if (content.size() > kDataConfFileLimit) return FALSE;
  }
  size_t markerLen = sizeof kDataConfMarker - 1;
  if (content.compare(0, markerLen, kDataConfMarker) != 0) return FALSE;
  return ParseDataConfList(ScrambleBytes(content.substr(markerLen)), out);
}
