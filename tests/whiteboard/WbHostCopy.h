// Teaches the recording host to copy whiteboard messages (code 101, method 1): the header,
// the page/op record, every list node, each payload by its object type, style records and
// texts, so that a test reads the message after the sender has freed it.
#pragma once

#include "host/RecordingHost.h"
#include "whiteboard/model/WbRecords.h"

namespace wbtest {

void AddWbMessageCopier(host::RecordingHost& host);

// The whiteboard messages the module sent with IMSSend2MrsMethod, in order; the recorded
// method is WB_MRS_METHOD.
std::vector<const WbMsgHeader*> SentWbMessages(const host::RecordingHost& host);

// The first payload of a recorded message (NULL when it has none).
template <class T>
const T* FirstPayload(const WbMsgHeader* header) {
  if (!header || !header->pPageOp || !header->pPageOp->pList) return nullptr;
  return static_cast<const T*>(header->pPageOp->pList->pItem);
}

}  // namespace wbtest
