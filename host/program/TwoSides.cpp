#include "host/program/TwoSides.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <set>
#include <iostream>
#include <sstream>
#include <vector>

#include "host/program/ModuleLibrary.h"
#include "host/program/UserFolder.h"
#include "host/recording/RecordingHost.h"
#include "host/relay/WbBoardServer.h"
#include "host/relay/WbRelay.h"
#include "host/scenario/ClockWords.h"
#include "host/scenario/Scenario.h"
#include "host/scenario/ScenarioPlayer.h"
#include "host/scenario/ScenarioWords.h"
#include "platform/ui/Desktop.h"
#include "protocol/WbRecords.h"
#include "vezadazavo/VezadaZavo.h"

namespace host {
namespace {

// ---- Frames between the program and a side: a kind byte, a length, the bytes ----
// To a side: 'S' a step (its line number, a line feed, the step), 'R' a relayed record, 'P' a
// point-to-point record (its sender's address, a line feed, the record), 'Q' the end. From a
// side: 'T' printed text, 'W' a whiteboard record it sent (packed), 'D' the command is done
// ("1" or "0").

bool WriteAll(int fd, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = write(fd, p, size);
    if (n <= 0) return false;
    p += n, size -= (size_t)n;
  }
  return true;
}

bool ReadAll(int fd, void* data, size_t size) {
  char* p = static_cast<char*>(data);
  while (size > 0) {
    ssize_t n = read(fd, p, size);
    if (n <= 0) return false;
    p += n, size -= (size_t)n;
  }
  return true;
}

bool WriteFrame(int fd, char kind, const std::string& data) {
  uint32_t size = (uint32_t)data.size();
  return WriteAll(fd, &kind, 1) && WriteAll(fd, &size, sizeof size) && WriteAll(fd, data.data(), data.size());
}

bool ReadFrame(int fd, char* kind, std::string* data) {
  uint32_t size = 0;
  if (!ReadAll(fd, kind, 1) || !ReadAll(fd, &size, sizeof size)) return false;
  data->assign(size, '\0');
  return size == 0 || ReadAll(fd, &(*data)[0], size);
}

// Both sides at once: `AB expect-same-board TITLE [all] [FILES]` compares the two sides' boards
// (with `all` every page they hold).
constexpr int kBothSides = 2;
constexpr char kSameBoardVerb[] = "expect-same-board";
constexpr char kAllPages[] = "all";
constexpr char kHoldVerb[] = "hold";
constexpr char kReleaseVerb[] = "release";

// A step of one side, or a comparison of both: its line in the file and its words, the paths
// resolved against the file's folder.
struct SideStep {
  int side;  // 0 A, 1 B, kBothSides
  ScenarioStep step;
};

// The step as a scenario line.
std::string StepLine(const ScenarioStep& step) {
  std::string line = step.verb;
  for (const std::string& word : step.args) line += " " + QuoteWord(word);
  return line;
}

// "" when the words after AB make a comparison of the two boards, else the reason.
std::string CheckBothSidesStep(const std::vector<std::string>& words) {
  return words.size() >= 3 && words.size() <= 5 && words[1] == kSameBoardVerb &&
                 (words.size() < 5 || words[3] == kAllPages)
             ? ""
             : std::string("AB takes ") + kSameBoardVerb + ", a board's title, maybe all and maybe files";
}

// Whether the comparison's words after the title start with `all`.
bool ComparesAllPages(const std::vector<std::string>& args) { return args.size() > 1 && args[1] == kAllPages; }

// The relay's own steps for one side: `A hold` keeps what A sends in flight, `A release` lets
// it go on, in the order sent.
bool IsRelayVerb(const std::string& verb) { return verb == kHoldVerb || verb == kReleaseVerb; }

// The step of the line after its side word; "" or the reason it is not one.
std::string ParseSideStep(const std::vector<std::string>& words, const std::string& rest, const std::string& folder,
                          SideStep* side) {
  if (words.size() >= 2 && IsRelayVerb(words[1])) {
    side->step.verb = words[1];
    if (words[0] == "AB") return words[1] + " names one side, A or B";
    return words.size() == 2 ? "" : words[1] + " takes nothing after it";
  }
  if (words[0] == "AB") {
    std::string reason = CheckBothSidesStep(words);
    side->step.verb = words[1];
    side->step.args.assign(words.begin() + 2, words.end());
    std::vector<std::string>& args = side->step.args;
    size_t files = ComparesAllPages(args) ? 2 : 1;
    if (args.size() > files && args[files][0] != '/') args[files] = folder + "/" + args[files];
    return reason;
  }
  Scenario one;
  std::string error;
  if (!ParseScenario(rest, &one, &error)) return error.substr(error.find(':') + 2);
  side->step = one.steps[0];
  ResolvePaths(&side->step, folder);
  return "";
}

bool LoadSteps(const std::string& path, std::vector<SideStep>* steps, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read " + path;
    return false;
  }
  std::string line;
  bool started[2] = {false, false};  // whether a side has a step yet (clock virtual comes first)
  for (int number = 1; std::getline(file, line); ++number) {
    std::vector<std::string> words;
    if (!SplitWords(line, &words) || words.empty()) continue;
    const std::string where = path + ": line " + std::to_string(number) + ": ";
    if (words[0] != "A" && words[0] != "B" && words[0] != "AB") {
      *error = where + "a step starts with its side, A, B or AB";
      return false;
    }
    SideStep side{words[0] == "A" ? 0 : words[0] == "B" ? 1 : kBothSides, {}};
    std::string rest = line.substr(line.find_first_not_of(" \t") + words[0].size());
    std::string reason = ParseSideStep(words, rest, FolderOf(path), &side);
    if (reason.empty() && IsClockVerb(side.step.verb)) reason = CheckClockStep(side.step, !started[side.side]);
    for (int i = 0; i < 2; ++i) started[i] = started[i] || side.side == i || side.side == kBothSides;
    if (!reason.empty()) {
      *error = where + reason;
      return false;
    }
    side.step.line = number;
    steps->push_back(side);
  }
  return true;
}

// ---- One side: the module in this process, driven by frames ----

void Pump(uint32_t ms) { platform::Desktop::Advance(ms); }

// Sends the text printed so far and the whiteboard records sent since `seen`.
void Report(int out, std::ostringstream& text, const RecordingHost& recorder, size_t* seen) {
  WriteFrame(out, 'T', text.str());
  text.str("");
  const std::vector<HostEvent>& events = recorder.Events();
  for (; *seen < events.size(); ++*seen) {
    const HostEvent& e = events[*seen];
    if (e.channel != Channel::kMessage || e.code != kHostDataConfRecord || !e.copy) continue;
    const void* record = e.As<HostMethodBlock>()->pRecord;
    if (record) WriteFrame(out, 'W', PackWbMessage(record));
  }
}

// The application folder that the sibling library tells the module (GetAppPath) is the
// program's own, where the build puts the whiteboard's pictures ("Hand.bmp", "laser.gif").
void UseProgramFolderAsAppFolder() {
  std::string self(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", &self[0], self.size() - 1);
  if (n <= 0) return;
  self.resize((size_t)n);
  VzData().csAppPath = self.substr(0, self.rfind('/') + 1).c_str();
}

// Side B is another user than A (the sibling library's default user 张伟): 李娜, whose
// address is sip:80005678@ims.example.cn, so that a member's right names one side only.
constexpr char kSideBUri[] = "sip:80005678@ims.example.cn";
void SignInAsSideB() {
  VzDataSet& data = VzData();
  data.user.m_csOwnName = "lina";
  data.user.m_csDisplayName = "李娜";
  data.myInfo.csSipURI = kSideBUri;
  data.myInfo.csNumber = "80005678";
  data.myInfo.csName = "李娜";
  data.myInfo.csMobile = "13700005678";
  data.myInfo.csOfficePhone = "";
}

// A step frame: the step's line in the file, a line feed, the step.
bool ParseStepFrame(const std::string& data, Scenario* step, std::string* error) {
  size_t feed = data.find('\n');
  if (feed == std::string::npos || !ParseScenario(data.substr(feed + 1), step, error) || step->steps.size() != 1)
    return false;
  step->steps[0].line = std::atoi(data.substr(0, feed).c_str());
  return true;
}

// One side's end of the frames: each step, relayed record and the end is answered with the
// side's printed text, the records it sent and 'D'. A step that waits in one of the module's
// loops (a dialog, the frame tracker's drag) is answered at once, and the frames that follow are
// taken inside that loop, as the host's calls and the user's input come while it runs: records
// are delivered there and steps played there.
class SideSession {
 public:
  SideSession(int in, int out, RecordingHost& recorder, ScenarioPlayer& player, std::ostringstream& text,
              ITavorineModule& module)
      : in_(in), out_(out), recorder_(recorder), player_(player), text_(text), module_(module) {
    player_.SetStepSource([this](ScenarioStep* step) {
      Answer(true);  // the step that waits, or the last one played inside the loop
      return NextStep(step);
    });
  }

  void Run() {
    ScenarioStep step;
    while (NextStep(&step)) {
      Scenario one;
      one.steps.push_back(step);
      bool ok = player_.PlaySteps(one);
      if (ended_) {  // the end came while a loop waited for steps
        failedAtEnd_ = !ok;
        break;
      }
      failed_ = failed_ || !ok;
      Answer(ok);
    }
    End();
  }

 private:
  // Reads frames up to the next step (true) or the end (false); relayed records are delivered
  // and answered on the way.
  bool NextStep(ScenarioStep* step) {
    char kind = 0;
    std::string data;
    while (!ended_ && ReadFrame(in_, &kind, &data)) {
      owed_ = true;
      if (kind == 'S') {
        Scenario one;
        std::string error;
        if (ParseStepFrame(data, &one, &error)) {
          *step = one.steps[0];
          return true;
        }
        Answer(false);
      } else if (kind == 'R' || kind == 'P') {
        Deliver(kind, std::move(data));
        Answer(true);
      } else {
        break;
      }
    }
    ended_ = true;
    return false;
  }

  // A relayed record, as host code 8 kind 1; a point-to-point record comes with its sender's
  // address, which the head then holds.
  void Deliver(char kind, std::string data) {
    size_t feed = kind == 'P' ? data.find('\n') : std::string::npos;
    std::string sender = feed == std::string::npos ? "" : data.substr(0, feed);
    if (feed != std::string::npos) data.erase(0, feed + 1);
    BlockArena arena;
    void* record = UnpackReceivedWbMessage(data, arena, sender.empty() ? nullptr : sender.c_str());
    text_ << "> host 8 kind 1, relayed\n" << (record ? FormatReceivedWbMessage(record, "  ") : "  unreadable\n");
    HostRecordBlock block{1, record, 0};
    int handled = recorder_.Deliver(kModuleDataConfRecord, block);
    text_ << "< handled " << handled << "\n";
  }

  // The answer to the last frame read, when it has none yet.
  void Answer(bool ok) {
    if (!owed_) return;
    owed_ = false;
    Report(out_, text_, recorder_, &seen_);
    WriteFrame(out_, 'D', ok ? "1" : "0");
  }

  // The end: every answer this side was given must have been used (after a failed step the
  // answers left are no news); an end that came while a loop waited fails.
  void End() {
    bool ok = !failedAtEnd_ && (failed_ || player_.Finish());
    if (!player_.Closed()) module_.Close();
    Answer(ok);
  }

  int in_, out_;
  RecordingHost& recorder_;
  ScenarioPlayer& player_;
  std::ostringstream& text_;
  ITavorineModule& module_;
  size_t seen_ = 0;
  bool owed_ = false;   // the last frame read has no answer yet
  bool failed_ = false;
  bool ended_ = false;
  bool failedAtEnd_ = false;
};

int RunSide(int side, int in, int out, const std::string& modulePath, const std::string& userFolder) {
  UseProgramFolderAsAppFolder();
  UseUserFolder(userFolder);
  if (side == 1) SignInAsSideB();
  ModuleLibrary library;
  std::string error;
  if (!library.Open(modulePath, &error)) {
    WriteFrame(out, 'T', "cannot load the module: " + error + "\n");
    WriteFrame(out, 'D', "3");
    return 3;
  }
  RecordingHost recorder;
  std::ostringstream text;
  ScenarioPlayer player(recorder, Pump, text);
  ITavorineModule* module = library.LoadModule(&recorder, nullptr);
  if (!module) {
    WriteFrame(out, 'D', "3");
    return 3;
  }
  recorder.Attach(module);
  SideSession(in, out, recorder, player, text, *module).Run();
  return 0;
}

// ---- The program: both sides and the relay between them ----

struct Side {
  char name = 0;
  pid_t pid = -1;
  int in = -1;   // to the side
  int out = -1;  // from the side
  std::string uri;  // the address of the side's user
  // The sessions (conference URIs) this side takes part in: those the host told it it created or
  // joined, and those it has sent records for. As the server, the relay hands a side only the
  // records of its sessions, and the point-to-point records addressed to its user.
  std::set<std::string> sessions;
  // While a `hold` step of this side is in force (its line, else 0), what the side sends stays
  // in flight, in order, until its `release`.
  int holdLine = 0;
  std::deque<std::string> held;
};

// A conference that the step tells the side it created or joined (`host 9 1 1|7 200 URI`); "" for
// another step.
std::string SessionJoined(const ScenarioStep& step) {
  const std::vector<std::string>& a = step.args;
  if (step.verb != "host" || a.size() < 5 || a[0] != "9" || a[1] != "1" || (a[2] != "1" && a[2] != "7")) return "";
  return a[3] == "200" ? a[4] : "";
}

std::string SessionOf(const std::string& packed) {
  MrsRecordHead head;
  if (packed.size() < sizeof head) return "";
  std::memcpy(&head, packed.data(), sizeof head);
  return std::string(head.szSessionURI, strnlen(head.szSessionURI, sizeof head.szSessionURI));
}

bool StartSide(Side* side, const std::string& modulePath, const std::string& userFolder) {
  int toSide[2], fromSide[2];
  if (pipe(toSide) != 0 || pipe(fromSide) != 0) return false;
  std::cout << std::flush;
  side->pid = fork();
  if (side->pid < 0) return false;
  if (side->pid == 0) {
    close(toSide[1]);
    close(fromSide[0]);
    _exit(RunSide(side->name - 'A', toSide[0], fromSide[1], modulePath, userFolder));
  }
  close(toSide[0]);
  close(fromSide[1]);
  side->in = toSide[1];
  side->out = fromSide[0];
  return true;
}

void PrintLed(char name, const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) std::cout << name << "| " << line << "\n";
  std::cout << std::flush;
}

// Reads a side's answer to one command: prints its text, keeps its records; its status.
std::string Collect(Side& side, std::deque<std::pair<int, std::string>>* records, int index) {
  char kind = 0;
  std::string data;
  while (ReadFrame(side.out, &kind, &data)) {
    if (kind == 'T') PrintLed(side.name, data);
    else if (kind == 'W') {
      side.sessions.insert(SessionOf(data));
      records->push_back({index, data});
    }
    else return data;
  }
  return "lost";
}

// The server's answer to a side's content request: the board's current page, to that side only.
bool AnswerContentRequest(Side& side, const WbBoardServer& server, const std::string& request,
                          std::deque<std::pair<int, std::string>>* records, int index) {
  std::cout << "~ server -> " << side.name << ": the content request is answered with the board's "
            << server.Describe(request) << ", as code 8 kind 1 method " << ReceivedWbMethod(WB_MSG_REQUEST_SYNC)
            << "\n";
  return WriteFrame(side.in, 'R', server.Answer(request)) && Collect(side, records, index) == "1";
}

// Hands every record to the other side, and what that side sends in turn; the server keeps
// each board's current page from them and answers content requests itself.
bool RelayAll(Side sides[2], WbBoardServer& server, std::deque<std::pair<int, std::string>>* records) {
  while (!records->empty()) {
    auto [from, bytes] = records->front();
    records->pop_front();
    if (sides[from].holdLine) {
      std::cout << "~ relay holds what " << sides[from].name << " sent (" << sides[from].held.size() + 1
                << " in flight)\n";
      sides[from].held.push_back(bytes);
      continue;
    }
    if (WbBoardServer::IsContentRequest(bytes)) {
      if (!AnswerContentRequest(sides[from], server, bytes, records, from)) return false;
      continue;
    }
    DWORD type = 0;
    if (bytes.size() >= sizeof type) std::memcpy(&type, bytes.data(), sizeof type);
    Side& to = sides[1 - from];
    if (SessionOf(bytes) == to.uri) {
      std::cout << "~ relay " << sides[from].name << " -> " << to.name << ": code 101 type " << type
                << " point to point, arrives as code 8 kind 1 method " << ReceivedWbMethod(type) << " from "
                << sides[from].uri << "\n";
      if (!WriteFrame(to.in, 'P', sides[from].uri + "\n" + bytes) || Collect(to, records, 1 - from) != "1") return false;
      continue;
    }
    server.Take(bytes);
    if (!to.sessions.count(SessionOf(bytes))) {
      std::cout << "~ relay " << sides[from].name << " -> " << to.name << ": code 101 type " << type
                << " not delivered: " << to.name << " takes no part in the session yet\n";
      continue;
    }
    std::cout << "~ relay " << sides[from].name << " -> " << to.name << ": code 101 type " << type
              << " arrives as code 8 kind 1 method " << ReceivedWbMethod(type) << "\n";
    if (!WriteFrame(to.in, 'R', bytes) || Collect(to, records, 1 - from) != "1") return false;
  }
  return true;
}

}  // namespace

bool IsTwoSidedScenarioFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    std::vector<std::string> words;
    if (!SplitWords(line, &words) || words.empty()) continue;
    return words[0] == "A" || words[0] == "B" || words[0] == "AB";
  }
  return false;
}

namespace {

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// Prints the failure of the program's own step; the status of a failed step.
std::string Failed(int line, const std::string& reason) {
  std::cout << "< FAILED: line " << line << ": " << reason << "\n";
  return "0";
}

// Plays one side's step; its status ("1" played, "0" failed, "3" no module).
std::string PlaySideStep(Side sides[2], int side, const ScenarioStep& step, WbBoardServer& server,
                         std::deque<std::pair<int, std::string>>* records) {
  std::string joined = SessionJoined(step);
  if (!joined.empty()) sides[side].sessions.insert(joined);
  if (!WriteFrame(sides[side].in, 'S', std::to_string(step.line) + "\n" + StepLine(step))) return "3";
  std::string done = Collect(sides[side], records, side);
  bool relayed = RelayAll(sides, server, records);
  return relayed ? done : "0";
}

// `AB expect-same-board TITLE [all] [FILES]`: each side writes its board's current page (picture
// and page XML; with `all` the XML of every page it holds) into folder, or into FILES-side-a.png,
// FILES-side-a.xml, FILES-side-b.png ... where they stay, and the two must be equal byte for byte.
std::string CompareBoards(Side sides[2], const SideStep& both, const std::string& folder, WbBoardServer& server,
                          std::deque<std::pair<int, std::string>>* records) {
  const std::vector<std::string>& a = both.step.args;
  const bool all = ComparesAllPages(a);
  const size_t named = all ? 2 : 1;
  std::string files[2][2];
  std::cout << "> AB " << StepLine(both.step) << "\n";
  for (int side = 0; side < 2; ++side) {
    std::string base = a.size() > named ? a[named] + "-side-" + (char)('a' + side) : folder + "/" + sides[side].name;
    ScenarioStep save{both.step.line, "save-board", {a[0], base + ".png", base + ".xml"}};
    if (all) save.args.push_back(kAllPages);
    std::string done = PlaySideStep(sides, side, save, server, records);
    if (done != "1") return done;
    files[side][0] = ReadFileBytes(base + ".png");
    files[side][1] = ReadFileBytes(base + ".xml");
  }
  const char* differs = files[0][0] != files[1][0] ? "pictures" : files[0][1] != files[1][1] ? "page XML" : nullptr;
  if (!differs) {
    std::cout << (all ? "< both sides show the same page and hold the same pages\n" : "< both sides show the same page\n");
    return "1";
  }
  return Failed(both.step.line, std::string("the two sides' boards differ (their ") + differs + ")");
}

// `A hold`: what A sends from now on stays in flight; `A release`: it goes on, in the order sent,
// as if it arrived only now (the other side may have sent its own edits meanwhile).
std::string HoldOrRelease(Side sides[2], const SideStep& step, WbBoardServer& server,
                          std::deque<std::pair<int, std::string>>* records) {
  Side& side = sides[step.side];
  std::cout << "> " << side.name << " " << step.step.verb << "\n";
  if (step.step.verb == kHoldVerb) {
    if (side.holdLine) return Failed(step.step.line, "what " + std::string(1, side.name) + " sends is held already");
    side.holdLine = step.step.line;
    return "1";
  }
  if (!side.holdLine) return Failed(step.step.line, "nothing of " + std::string(1, side.name) + " is held");
  side.holdLine = 0;
  std::cout << "~ relay releases " << side.held.size() << " record(s) of " << side.name << "\n";
  for (std::string& bytes : side.held) records->push_back({step.side, std::move(bytes)});
  side.held.clear();
  return RelayAll(sides, server, records) ? "1" : "0";
}

// A side's own user folder inside the one given (none: the sibling library's default).
std::string SideFolder(const std::string& userFolder, char name) {
  return userFolder.empty() ? "" : userFolder + "/" + name;
}

}  // namespace

int PlayTwoSides(const std::string& modulePath, const std::string& scenarioPath, const std::string& userFolder) {
  std::vector<SideStep> steps;
  std::string error;
  if (!LoadSteps(scenarioPath, &steps, &error)) {
    std::cerr << error << "\n";
    return 2;
  }
  Side sides[2];
  sides[0].name = 'A';
  sides[1].name = 'B';
  sides[0].uri = (LPCTSTR)VzData().myInfo.csSipURI;
  sides[1].uri = kSideBUri;
  for (Side& side : sides) {
    if (!StartSide(&side, modulePath, SideFolder(userFolder, side.name))) {
      std::cerr << "cannot start side " << side.name << "\n";
      return 3;
    }
  }
  int status = 0;
  std::deque<std::pair<int, std::string>> records;
  WbBoardServer server;
  char folderTemplate[] = "/tmp/tavorine-boards-XXXXXX";
  const char* folder = mkdtemp(folderTemplate);
  if (!folder) {
    std::cerr << "cannot make a folder for the boards' pictures\n";
    return 3;
  }
  for (const SideStep& step : steps) {
    std::string done = step.side == kBothSides        ? CompareBoards(sides, step, folder, server, &records)
                       : IsRelayVerb(step.step.verb) ? HoldOrRelease(sides, step, server, &records)
                                                     : PlaySideStep(sides, step.side, step.step, server, &records);
    if (done != "1") {
      status = done == "3" ? 3 : 1;
      break;
    }
  }
  std::filesystem::remove_all(folder);
  // What a side sent under a hold that the scenario never released is lost in flight.
  for (const Side& side : sides)
    if (status == 0 && side.holdLine) {
      Failed(side.holdLine, std::string(1, side.name) + " hold was never released");
      status = 1;
    }
  // The end: a side fails for an answer it never used.
  for (int i = 0; i < 2; ++i) {
    if (WriteFrame(sides[i].in, 'Q', "") && Collect(sides[i], &records, i) != "1" && status == 0) status = 1;
    close(sides[i].in);
    close(sides[i].out);
    waitpid(sides[i].pid, nullptr, 0);
  }
  return status;
}

}  // namespace host
