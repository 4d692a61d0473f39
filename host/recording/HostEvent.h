// One call a module made to the host, as the recording host keeps it.
#pragma once

#include <cstdint>
#include <memory>

#include "host/relay/BlockArena.h"

namespace host {

// Which door of the host interface the module used.
enum class Channel {
  kMessage,  // OnModuleMessage(module kind, code, block): events and requests of SendEvent
  kRequest,  // SendToModule(target, code, block, value): requests to another host module
};

struct HostEvent {
  Channel channel = Channel::kMessage;
  int sender = 0;    // the module kind (kMessage) or the target module (kRequest)
  int code = 0;
  int value = 0;     // SendToModule's value; 0 for kMessage
  // The block pointer as sent. A few codes pass a value in place of a block (code 108).
  uintptr_t blockAddress = 0;
  // The root of the deep copy of the block, or NULL when there was no block or the code's
  // block layout is unknown to the host.
  const void* copy = nullptr;
  int answer = 0;    // what the host returned
  std::shared_ptr<BlockArena> blocks;  // owns the copy and every block it points to

  template <class T>
  const T* As() const { return static_cast<const T*>(copy); }
};

}  // namespace host
