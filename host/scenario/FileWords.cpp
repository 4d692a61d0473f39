#include "host/scenario/FileWords.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/Charset.h"
#include "platform/Files.h"
#include "vezadazavo/VezadaZavo.h"

namespace host {
namespace {

const char kUserWord[] = "<user>";

bool ReadBytes(const std::string& path, std::string* bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream text;
  text << file.rdbuf();
  *bytes = text.str();
  return !file.bad();
}

std::string UserFolder() { return platform::NativePath(GetUserPath()); }

// NAME with "<user>" replaced by the user's own-name text.
std::string UserFileName(const std::string& name) {
  CPellUser* user = GetUserData();
  std::string ownName = user ? charset::GbkToUtf8(user->m_csOwnName.str()) : std::string();
  std::string out = name;
  for (size_t at = out.find(kUserWord); at != std::string::npos; at = out.find(kUserWord, at + ownName.size()))
    out.replace(at, sizeof kUserWord - 1, ownName);
  return out;
}

std::string UserFilePath(const std::string& name) {
  std::string folder = UserFolder();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder + UserFileName(name);
}

std::string Bytes(size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

std::string PutFile(const std::string& name, const std::string& source) {
  std::string bytes;
  if (!ReadBytes(source, &bytes)) return "cannot read " + source;
  std::error_code error;
  std::filesystem::create_directories(UserFolder(), error);
  std::string path = UserFilePath(name);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file || !file.write(bytes.data(), (std::streamsize)bytes.size()).flush()) return "cannot write " + path;
  return "";
}

std::string ExpectFile(const std::string& name, const std::string& source) {
  std::string path = UserFilePath(name), held;
  bool exists = std::filesystem::exists(path);
  if (source == "absent") return exists ? "the user's file " + UserFileName(name) + " exists" : "";
  std::string wanted;
  if (!ReadBytes(source, &wanted)) return "cannot read " + source;
  if (!exists || !ReadBytes(path, &held)) return "the user's folder holds no file " + UserFileName(name);
  if (held == wanted) return "";
  return "the user's file " + UserFileName(name) + " holds " + Bytes(held.size()) + " that are not the " +
         Bytes(wanted.size()) + " of " + source;
}

std::string ExpectFileKept(const std::string& source) {
  std::string wanted;
  if (!ReadBytes(source, &wanted)) return "cannot read " + source;
  std::string held;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(UserFolder(), error)) {
    std::string bytes;
    if (!entry.is_regular_file() || !ReadBytes(entry.path().string(), &bytes)) continue;
    if (bytes == wanted) return "";
    held += " " + entry.path().filename().string() + " (" + Bytes(bytes.size()) + ")";
  }
  return "no file of the user's folder holds the " + Bytes(wanted.size()) + " of " + source + "; it holds" +
         (held.empty() ? " nothing" : held);
}

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

bool IsFileVerb(const std::string& verb) {
  return verb == "put-file" || verb == "expect-file" || verb == "expect-file-kept";
}

std::string CheckFileStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "expect-file-kept") return a.size() == 1 ? "" : "expect-file-kept needs a source file";
  std::string form = step.verb == "put-file" ? "put-file needs a file name and a source file"
                                             : "expect-file needs a file name and a source file or absent";
  if (a.size() != 2) return form;
  return IsPlainName(a[0]) ? "" : step.verb + ": '" + a[0] + "' is not a file name of the user's folder";
}

std::vector<size_t> FileStepSources(const ScenarioStep& step) {
  if (step.verb == "expect-file-kept") return {0};
  if (step.verb == "expect-file" && step.args.size() > 1 && step.args[1] == "absent") return {};
  return {1};
}

std::string PlayFileStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "put-file") return PutFile(a[0], a[1]);
  if (step.verb == "expect-file") return ExpectFile(a[0], a[1]);
  return ExpectFileKept(a[0]);
}

}  // namespace host
