// The host's answers to a module's events and requests, per code: a standing answer, and
// one-shot answers that are used up first, in order. A per-code writer puts the answer into
// the block where the code's protocol wants it (the result field, the int of 20032).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <utility>

#include "host/recording/HostEvent.h"

namespace host {

// Writes an answer into a (non-NULL) block of the code.
using AnswerWriter = std::function<void(void* block, int answer)>;

class AnswerScript {
 public:
  // The answer given every time from now on (when no one-shot answer waits).
  void Set(Channel channel, int code, int answer);
  // An answer given once, before the standing one.
  void Queue(Channel channel, int code, int answer);
  void SetWriter(Channel channel, int code, AnswerWriter writer);

  // Takes the next answer for the code (0 when none was set) and writes it into the block.
  int Answer(Channel channel, int code, void* block);

 private:
  using Key = std::pair<Channel, int>;
  std::map<Key, int> standing_;
  std::map<Key, std::deque<int>> once_;
  std::map<Key, AnswerWriter> writers_;
};

}  // namespace host
