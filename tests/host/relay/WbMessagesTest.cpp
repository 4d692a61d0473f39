// A whiteboard message's copy (code 101, method 1) ends where its list loops.
#include <gtest/gtest.h>

#include "host/relay/BlockArena.h"
#include "host/relay/WbMessages.h"
#include "protocol/WbRecords.h"

namespace {

TEST(WbMessages, ALoopingListIsCut) {
  host::BlockArena arena;
  WbMsgHeader header{};
  WbPageOpRecord pageOp{};
  WbListNode node{};
  node.pNext = &node;
  pageOp.pList = &node;
  header.pPageOp = &pageOp;
  const WbMsgHeader* copy = static_cast<const WbMsgHeader*>(host::CopyWbMessage(&header, arena));
  int count = 0;
  for (const WbListNode* n = copy->pPageOp->pList; n; n = n->pNext) ++count;
  EXPECT_EQ(count, host::kMaxWbListNodes);
}

}  // namespace
