#include "host/scenario/ScenarioWords.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/Charset.h"

namespace host {

bool ParseInt(const std::string& word, int* value) {
  if (word.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long parsed = std::strtol(word.c_str(), &end, 10);
  if (errno || *end || parsed < INT_MIN || parsed > INT_MAX) return false;
  *value = static_cast<int>(parsed);
  return true;
}

std::string QuoteWord(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\r\n\"\\#") == std::string::npos) return word;
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '\r') quoted += "\\r";
    else if (c == '\n') quoted += "\\n";
    else if (c == '"' || c == '\\') quoted += std::string("\\") + c;
    else quoted += c;
  }
  return quoted + "\"";
}

bool SetGbkText(char* field, size_t size, const std::string& utf8) {
  std::string gbk = charset::Utf8ToGbk(utf8);
  if (gbk.size() >= size) return false;
  std::memcpy(field, gbk.c_str(), gbk.size() + 1);
  return true;
}

// Words are separated by blanks; '#' outside quotes starts a comment. Inside quotes \" and \\ stand
// for themselves, \r and \n for a carriage return and a line feed.
bool SplitWords(const std::string& line, std::vector<std::string>* words) {
  words->clear();
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      std::string word;
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
          word += line[i];
          continue;
        }
        char escaped = line[++i];
        word += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
      }
      if (i >= line.size()) return false;
      ++i;
      words->push_back(word);
    } else {
      size_t end = line.find_first_of(" \t\r", i);
      if (end == std::string::npos) end = line.size();
      words->push_back(line.substr(i, end - i));
      i = end;
    }
  }
  return true;
}

}  // namespace host
