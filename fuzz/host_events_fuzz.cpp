// The host's messages of any content, in the byte form of host/recording/HostInputForm.h:
// conference events (code 9) of every type, whiteboard records (code 8) routed by the module to the
// point-to-point board of the peer they name or, through the conference window, the conference
// board of their sub-conference, the member-right answer (code 17), the invitation answers
// (11, 12), the user interface's requests (2, 13, 14, 16, 20022) and the status query (15).
// Each input starts with the conference and its board open; the seeds are the messages the
// tests and scenarios deliver.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/FuzzBoards.h"
#include "host/recording/HostInputDelivery.h"
#include "platform/ui/Desktop.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzboards::Reset();
  size_t pos = 0;
  while (host::DeliverHostInput(fuzzboards::Get().host, data, size, &pos)) {
  }
  fuzzboards::CloseDialogs();
  return 0;
}

// The replay plays the corpus twice: once the module's dialogs are answered or closed, the
// second pass must find the window tree as the first left it (the windows the module keeps,
// made once), not larger.
extern "C" int TavReplayPassDone(int pass) {
  static size_t afterFirst = 0;
  size_t windows = platform::Desktop::WindowCount();
  if (pass == 1) afterFirst = windows;
  if (pass < 2 || windows <= afterFirst) return 0;
  fprintf(stderr, "the second pass left %zu more windows\n", windows - afterFirst);
  return 1;
}
