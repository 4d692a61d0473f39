#include "host/scenario/UserStateWords.h"

#include <cstdlib>
#include <filesystem>

#include "host/scenario/ScenarioWords.h"
#include "platform/Charset.h"
#include "platform/Profile.h"
#include "vezadazavo/VezadaZavo.h"

namespace host {
namespace {

// The switches of `user NAME on|off`, each setting one state of the sibling library.
struct Switch {
  const char* name;
  void (*set)(VzDataSet& data, bool on);
};

const Switch kSwitches[] = {
    {"in-call", [](VzDataSet& d, bool on) { d.states.bTalking = on; }},
    {"signed-in", [](VzDataSet& d, bool on) { d.states.bStartLogout = !on; }},
    {"auto-accept", [](VzDataSet& d, bool on) { d.user.m_bAutoAccept = on; }},
    {"direct-mode", [](VzDataSet& d, bool on) { d.states.bIMSDirectApp = on; }},
    {"disk-full", [](VzDataSet& d, bool on) { d.states.iDiskSpace = on ? 2 : 0; }},
};

const Switch* FindSwitch(const std::string& name) {
  for (const Switch& s : kSwitches)
    if (name == s.name) return &s;
  return nullptr;
}

// The keys of the client's ini that the module reads.
const char kIniSection[] = "VEXLON_IMS";
const char* const kIniKeys[] = {"ConfType"};

bool IsIniKey(const std::string& key) {
  for (const char* known : kIniKeys)
    if (key == known) return true;
  return false;
}

std::string CheckUserStep(const std::vector<std::string>& a) {
  const char* usage = "user takes in-call, signed-in, auto-accept, direct-mode or disk-full with on or off, "
                      "or rights AUDIO VIDEO FEATURES";
  if (a.size() == 2 && FindSwitch(a[0]) && (a[1] == "on" || a[1] == "off")) return "";
  int value;
  if (a.size() == 4 && a[0] == "rights" && ParseInt(a[1], &value) && ParseInt(a[2], &value) && ParseInt(a[3], &value))
    return "";
  return usage;
}

}  // namespace

bool IsUserStateVerb(const std::string& verb) { return verb == "user" || verb == "ini"; }

std::string CheckUserStateStep(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "user") return CheckUserStep(a);
  return a.size() == 2 && IsIniKey(a[0]) ? "" : "ini takes a key the module reads (ConfType) and its value";
}

UserState::~UserState() {
  if (ownAppFolder_.empty()) return;
  VzData().csAppPath = replacedAppPath_;
  std::error_code error;
  std::filesystem::remove_all(ownAppFolder_, error);
}

std::string UserState::Play(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb == "ini") return SetIni(a[0], a[1]);
  VzDataSet& data = VzData();
  if (a[0] == "rights") {
    ParseInt(a[1], &data.rights.iAudio);
    ParseInt(a[2], &data.rights.iVideo);
    ParseInt(a[3], &data.rights.iFeatures);
    return "";
  }
  FindSwitch(a[0])->set(data, a[1] == "on");
  return "";
}

// The first ini step moves the application folder to one of the play's own, holding links to
// the files of the folder it replaces (the whiteboard's pictures), so that the ini written
// there is seen by this play only.
std::string UserState::SetIni(const std::string& key, const std::string& value) {
  if (ownAppFolder_.empty()) {
    char folder[] = "/tmp/tavorine-app-XXXXXX";
    if (!mkdtemp(folder)) return "cannot make an application folder for the ini";
    ownAppFolder_ = folder;
    replacedAppPath_ = VzData().csAppPath;
    std::error_code error;
    std::filesystem::path replaced = charset::GbkToUtf8((const char*)replacedAppPath_);
    for (const auto& entry : std::filesystem::directory_iterator(replaced, error))
      std::filesystem::create_symlink(entry.path(), ownAppFolder_ + "/" + entry.path().filename().string(), error);
    VzData().csAppPath = charset::Utf8ToGbk(ownAppFolder_ + "/").c_str();
  }
  CString ini = VzData().csAppPath + "Vexlon.ini";
  std::string gbk = charset::Utf8ToGbk(value);
  if (!WritePrivateProfileString(kIniSection, key.c_str(), gbk.c_str(), ini)) return std::string("cannot write ") + ini.GetString();
  return "";
}

}  // namespace host
