// Records the messages that windows receive, for tests that compare them with a table of
// expected messages, as Wine's message tests do.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Desktop.h"

namespace tavtest {

struct ExpectedMessage {
  HWND hwnd;  // NULL: any window
  UINT message;
  // Compared only when checkParams is set.
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  bool checkParams = false;
};

class MessageLog {
 public:
  // Starts recording every delivered message (replaces any other spy).
  MessageLog();
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  // Only messages in this list are kept from now on (empty: all).
  void Only(std::vector<UINT> messages) { only_ = std::move(messages); }
  // Only messages for which `keep` is true are kept from now on.
  void Keep(std::function<bool(const MSG&)> keep) { keep_ = std::move(keep); }
  void Clear() { log_.clear(); }
  const std::vector<MSG>& Messages() const { return log_; }
  // The messages received by one window, in order.
  std::vector<UINT> For(HWND hwnd) const;
  // "" when the record equals `expected` exactly, else a readable report of the first
  // difference and of both sequences.
  std::string Compare(const std::vector<ExpectedMessage>& expected) const;

  static std::string Name(UINT message);

 private:
  std::vector<UINT> only_;
  std::function<bool(const MSG&)> keep_;
  std::vector<MSG> log_;
};

}  // namespace tavtest
