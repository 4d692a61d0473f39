// Formats the recorded traffic readably, one event per line (records add indented lines),
// with the module's GBK texts converted to UTF-8. Per-code formatters can be added for the
// blocks of later subsystems (the whiteboard messages of code 101).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "host/recording/HostEvent.h"

struct HostBlockLayout;

namespace host {

// The fields a block's layout describes, in its order: "label value", or the value alone.
std::string FormatByLayout(const HostBlockLayout& layout, const void* block);

// The detail of an event's block (after the code's name), "" for none.
using BlockFormatter = std::function<std::string(const HostEvent& event)>;
// The lines describing a record of a {method, record, result} code; each line should begin
// with the indent the printer passes.
using RecordFormatter = std::function<std::string(const void* record, const std::string& indent)>;

class EventPrinter {
 public:
  // Starts with the formatters of the module's codes and of the conference-method record.
  EventPrinter();

  // The formatter is called when the event has a copy of its block, or always when
  // needsCopy is false (codes that pass a value in place of a block).
  void Set(Channel channel, int code, BlockFormatter formatter, bool needsCopy = true);
  void SetRecord(int code, int method, RecordFormatter formatter);

  // The event as text, ending in a newline.
  std::string Format(const HostEvent& event) const;

 private:
  std::string FormatMethodBlock(const HostEvent& event) const;

  struct Rule {
    BlockFormatter format;
    bool needsCopy;
  };
  std::map<std::pair<Channel, int>, Rule> blocks_;
  std::map<std::pair<int, int>, RecordFormatter> records_;
};

}  // namespace host
