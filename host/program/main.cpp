// tavorine-host: a host for people. Loads libtavorine.so, hands it a recording host, plays a
// scenario of host messages on real time and prints the module's traffic.
// With --play-plan FOLDER it prints how the scenario files of the folder are played instead.
// Exit codes: 0 success, 1 a step failed, 2 bad command line or scenario, 3 no module.
#include <iostream>
#include <map>

#include "host/program/ModuleLibrary.h"
#include "host/program/Options.h"
#include "host/program/TwoSides.h"
#include "host/program/UserFolder.h"
#include "host/recording/DeptTreeService.h"
#include "host/recording/RecordingHost.h"
#include "host/scenario/PlayPlan.h"
#include "host/scenario/Scenario.h"
#include "host/scenario/ScenarioPlayer.h"
#include "platform/ui/Desktop.h"

namespace {

// Lets the module run for ms: the host's user-interface thread dispatches the window messages
// and timers of the one desktop that the program and the module share.
void Pump(uint32_t ms) { platform::Desktop::Advance(ms); }

// "= 5 events from the module: 20003 x3, 20007 x1, request 114 x1"
void PrintSummary(const host::RecordingHost& recorder) {
  std::map<std::pair<host::Channel, int>, int> counts;
  for (const host::HostEvent& e : recorder.Events()) ++counts[{e.channel, e.code}];
  std::cout << "= " << recorder.Events().size() << " events from the module";
  const char* separator = ": ";
  for (const auto& [key, count] : counts) {
    std::cout << separator << (key.first == host::Channel::kRequest ? "request " : "") << key.second << " x" << count;
    separator = ", ";
  }
  std::cout << "\n";
}

// Hands the module a recording host, plays the scenario and closes the module; the exit status.
int PlayScenario(host::ModuleLibrary& library, const host::Scenario& scenario) {
  host::RecordingHost recorder;
  host::DeptTreeService trees;
  recorder.SetService([&trees](const host::HostEvent& event) { trees.OnEvent(event); });
  int status = 3;
  {
    host::ScenarioPlayer player(recorder, Pump, std::cout);
    ITavorineModule* module = library.LoadModule(&recorder, nullptr);
    if (!module) {
      std::cerr << "LoadTavorineModule returned no module\n";
    } else {
      recorder.Attach(module);
      status = player.Play(scenario) ? 0 : 1;
      // The host closes the module before it unloads the library.
      if (!player.Closed()) module->Close();
    }
  }
  PrintSummary(recorder);
  return status;
}

// Prints the play plan of a folder of scenario files; 2 when a declaration is refused.
int ShowPlayPlan(const std::string& folder) {
  std::vector<host::ScenarioChain> plan;
  std::string error;
  if (!host::ReadPlayPlan(folder, &plan, &error)) {
    std::cerr << error << "\n";
    return 2;
  }
  host::PrintPlayPlan(plan, std::cout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  host::Options options;
  std::string error;
  host::Scenario scenario;
  bool parsed = host::ParseOptions(argc, argv, &options, &error);
  if (parsed && !options.playPlanFolder.empty()) return ShowPlayPlan(options.playPlanFolder);
  if (parsed && host::IsTwoSidedScenarioFile(options.scenarioPath))
    return host::PlayTwoSides(options.modulePath, options.scenarioPath, options.userFolder);
  if (!error.empty() || !host::LoadScenarioFile(options.scenarioPath, &scenario, &error)) {
    if (!error.empty() && error.back() != '\n') error += '\n';
    std::cerr << error;
    return 2;
  }
  host::ModuleLibrary library;
  if (!library.Open(options.modulePath, &error)) {
    std::cerr << "cannot load the module: " << error << "\n";
    return 3;
  }
  std::cout << "= module " << options.modulePath << "\n";
  host::UseUserFolder(options.userFolder);
  int status = PlayScenario(library, scenario);
  library.Close();
  return status;
}
