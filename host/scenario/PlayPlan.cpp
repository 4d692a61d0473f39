#include "host/scenario/PlayPlan.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace host {
namespace {

namespace fs = std::filesystem;

// What one scenario file declares.
struct Declared {
  std::string after;       // played right after this scenario, on the folder it left
  std::string userFolder;  // the user folder's name, when not the scenario's own
  bool noUserFolder = false;
  ScenarioPlay play;
};

// The declarations and the words each takes.
struct Declaration {
  const char* word;
  size_t words;
  const char* needs;  // the refusal of a wrong number of words
};
constexpr Declaration kDeclarations[] = {
    {"after", 1, "after needs the name of one scenario"},
    {"user-folder", 1, "user-folder needs one folder name"},
    {"again-with-line-end", 1, "again-with-line-end needs one file pattern"},
    {"no-user-folder", 0, "no-user-folder takes no words"},
    {"same-pictures", 2, "same-pictures names two pictures"},
};

// Takes one declaration "WORD ARGS..." into *declared; "" when it is sound, else the reason.
std::string Take(const std::string& text, Declared* declared) {
  std::istringstream in(text);
  std::string word;
  std::vector<std::string> args;
  in >> word;
  for (std::string arg; in >> arg;) args.push_back(arg);
  auto known = std::find_if(std::begin(kDeclarations), std::end(kDeclarations),
                            [&](const Declaration& d) { return word == d.word; });
  if (known == std::end(kDeclarations)) return "unknown play declaration \"" + word + "\"";
  if (args.size() != known->words) return known->needs;
  std::string twice = word + " is declared twice";
  if (word == "same-pictures") {
    if (!declared->play.samePictures.empty()) return twice;
    declared->play.samePictures = args;
  } else if (word == "no-user-folder") {
    if (declared->noUserFolder) return twice;
    declared->noUserFolder = true;
  } else {
    std::string& value = word == "after"         ? declared->after
                         : word == "user-folder" ? declared->userFolder
                                                 : declared->play.lineEndPattern;
    if (!value.empty()) return twice;
    value = args[0];
  }
  return "";
}

// Reads the "# play: " lines of the file's opening comment (the "#" lines before its first
// step; blank lines may come between them); "" when they are sound, else the reason.
std::string Read(const fs::path& file, Declared* declared) {
  std::ifstream in(file);
  if (!in) return "cannot be read";
  const std::string prefix = "# play: ";
  for (std::string line; std::getline(in, line);) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (line[0] != '#') break;
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    std::string reason = Take(line.substr(prefix.size()), declared);
    if (!reason.empty()) return reason;
  }
  int folders = !declared->after.empty() + !declared->userFolder.empty() + declared->noUserFolder;
  return folders > 1 ? "after, user-folder and no-user-folder exclude one another" : "";
}

// The scenario files of the folder, in the order of their file names.
bool ScenarioFiles(const fs::path& folder, std::vector<fs::path>* files, std::string* error) {
  std::error_code failed;
  for (fs::directory_iterator it(folder, failed), end; !failed && it != end; it.increment(failed))
    if (it->path().extension() == ".scn") files->push_back(it->path());
  if (failed) *error = folder.string() + ": " + failed.message();
  std::sort(files->begin(), files->end(),
            [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
  return !failed;
}

class Planner {
 public:
  explicit Planner(const fs::path& folder) : folder_(folder) {}

  bool Plan(std::vector<ScenarioChain>* plan, std::string* error) {
    std::vector<fs::path> files;
    if (!ScenarioFiles(folder_, &files, error)) return false;
    for (const fs::path& file : files) {
      names_.push_back(file.stem().string());
      if (!Fail(names_.back(), Read(file, &declared_[names_.back()]), error)) return false;
    }
    for (const std::string& name : names_) {
      const std::string& after = declared_[name].after;
      if (!after.empty() && !declared_.count(after) && !Fail(name, "no scenario " + after, error)) return false;
    }
    for (const std::string& name : names_) {
      const Declared& head = declared_[name];
      if (!head.after.empty()) continue;
      plan->push_back({head.noUserFolder ? "" : head.userFolder.empty() ? name : head.userFolder, {}});
      if (!AddChain(name, &plan->back(), error)) return false;
    }
    for (const std::string& name : names_)
      if (!played_.count(name)) return Fail(name, "never played: its after declarations make a loop", error);
    return true;
  }

 private:
  // "" as reason passes; else *error names the file and the reason.
  bool Fail(const std::string& name, const std::string& reason, std::string* error) {
    if (reason.empty()) return true;
    *error = (folder_ / (name + ".scn")).string() + ": " + reason;
    return false;
  }

  // Adds name to the chain, then each scenario declared after it with those after that one.
  bool AddChain(const std::string& name, ScenarioChain* chain, std::string* error) {
    const ScenarioPlay& play = declared_[name].play;
    if (!play.lineEndPattern.empty() && chain->userFolder.empty())
      return Fail(name, "again-with-line-end needs a user folder", error);
    chain->plays.push_back(play);
    chain->plays.back().name = name;
    played_.insert(name);
    for (const std::string& next : names_)
      if (declared_[next].after == name && !AddChain(next, chain, error)) return false;
    return true;
  }

  fs::path folder_;
  std::vector<std::string> names_;
  std::map<std::string, Declared> declared_;
  std::set<std::string> played_;
};

}  // namespace

bool ReadPlayPlan(const std::string& folder, std::vector<ScenarioChain>* plan, std::string* error) {
  std::vector<ScenarioChain> chains;
  if (!Planner(folder).Plan(&chains, error)) return false;
  *plan = chains;
  return true;
}

void PrintPlayPlan(const std::vector<ScenarioChain>& plan, std::ostream& out) {
  for (const ScenarioChain& chain : plan) {
    if (chain.userFolder.empty())
      out << "no-user-folder\n";
    else
      out << "fresh-user-folder " << chain.userFolder << "\n";
    for (const ScenarioPlay& play : chain.plays) {
      out << "play " << play.name << "\n";
      if (!play.lineEndPattern.empty()) out << "again-with-line-end " << play.lineEndPattern << "\n";
      if (!play.samePictures.empty())
        out << "same-pictures " << play.samePictures[0] << " " << play.samePictures[1] << "\n";
    }
  }
}

}  // namespace host
