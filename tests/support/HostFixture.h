// A desktop test with a recording host: each test gets a fresh host that records what the
// module sends and answers from its script (header only: a test that includes it links
// tav_hostfixture).
#pragma once

#include <string>

#include "host/recording/EventPrinter.h"
#include "host/recording/RecordingHost.h"
#include "tests/support/DesktopTest.h"

namespace tavtest {

class HostTest : public DesktopTest {
 protected:
  host::RecordingHost& Host() { return host_; }

  // Delivers a host message of category 1 to the module attached to the host; returns the
  // handled flag the module wrote into the block.
  template <class Block>
  int Deliver(int code, Block& block) {
    return host_.Deliver(code, block);
  }

  // Everything the host received so far, readable (for failure messages).
  std::string Traffic() const {
    host::EventPrinter printer;
    std::string text;
    for (const host::HostEvent& event : host_.Events()) text += printer.Format(event);
    return text;
  }

 private:
  host::RecordingHost host_;
};

}  // namespace tavtest
