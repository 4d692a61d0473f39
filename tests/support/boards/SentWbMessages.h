// The whiteboard messages a module sent, as the recording host copied them (code 101,
// method WB_MRS_METHOD), for tests that read them after the sender has freed its blocks.
#pragma once

#include <vector>

#include "host/recording/RecordingHost.h"
#include "protocol/WbRecords.h"

namespace wbtest {

// The whiteboard messages the module sent with IMSSend2MrsMethod, in order.
inline std::vector<const WbMsgHeader*> SentWbMessages(const host::RecordingHost& host) {
  std::vector<const WbMsgHeader*> messages;
  for (const host::HostEvent& event : host.EventsWithCode(kHostDataConfRecord)) {
    const HostMethodBlock* block = event.As<HostMethodBlock>();
    if (block && block->nMethod == WB_MRS_METHOD) messages.push_back(static_cast<const WbMsgHeader*>(block->pRecord));
  }
  return messages;
}

// The first payload of a recorded message (NULL when it has none).
template <class T>
const T* FirstPayload(const WbMsgHeader* header) {
  if (!header || !header->pPageOp || !header->pPageOp->pList) return nullptr;
  return static_cast<const T*>(header->pPageOp->pList->pItem);
}

}  // namespace wbtest
