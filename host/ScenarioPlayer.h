// Plays a scenario against the module attached to a recording host, printing each step, the
// module's answers and all the traffic the module sends (through an EventPrinter).
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>

#include "host/EventPrinter.h"
#include "host/RecordingHost.h"
#include "host/Scenario.h"

namespace host {

class ScenarioPlayer {
 public:
  // Lets the module's windows and timers run for the given milliseconds.
  using Pump = std::function<void(uint32_t ms)>;

  // Prints to out every event the host records from now on.
  ScenarioPlayer(RecordingHost& host, Pump pump, std::ostream& out);
  ~ScenarioPlayer();

  // Plays every step against the host's attached module; stops at a failed expect step and
  // returns false (also when no module is attached).
  bool Play(const Scenario& scenario);
  // Whether a step closed the module.
  bool Closed() const { return closed_; }

 private:
  bool PlayStep(const ScenarioStep& step);
  void CallOperation(const std::string& name);
  bool Expect(int code, int count);

  RecordingHost& host_;
  Pump pump_;
  std::ostream& out_;
  EventPrinter printer_;
  bool closed_ = false;
};

}  // namespace host
