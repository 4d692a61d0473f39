// What the module sent, counted over a span of the play:
//
//   mark                          starts a new span
//   expect-sent-count CODE N [TEXT]
//                                 exactly N of the blocks the module sent with CODE since the
//                                 last mark (or the start) read TEXT somewhere in their printed
//                                 form; without TEXT, exactly N blocks; N = 0: none was sent
#pragma once

#include <cstddef>
#include <string>

#include "host/recording/EventPrinter.h"
#include "host/recording/RecordingHost.h"
#include "host/scenario/ScenarioStep.h"

namespace host {

bool IsTrafficVerb(const std::string& verb);
// "" when the step's words fit its verb, else the reason.
std::string CheckTrafficStep(const ScenarioStep& step);

class TrafficSpan {
 public:
  // Plays a mark or an expect-sent-count step on the host's events: what the step says, or
  // why it failed (into *failure).
  std::string Play(const ScenarioStep& step, const RecordingHost& host, const EventPrinter& printer,
                   std::string* failure);

 private:
  size_t start_ = 0;  // the first event of the span
};

}  // namespace host
