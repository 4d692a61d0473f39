// Plays messages in the byte form of host/recording/HostInputForm.h to a recording host's
// module: the fuzz targets' way of delivering what the tests and scenarios delivered.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/recording/RecordingHost.h"

namespace host {

// Delivers the message at data[*pos] to the host's module and moves *pos past it; false at
// the end of the data.
bool DeliverHostInput(RecordingHost& host, const uint8_t* data, size_t size, size_t* pos);

}  // namespace host
