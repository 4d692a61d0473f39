// Whiteboard messages (code 101, method 1): a header and the tree of blocks behind it (the
// page/op record, the list nodes, one payload per node with its style record and text). The
// host copies the whole tree and prints it readably.
#pragma once

#include <string>

#include "host/relay/BlockArena.h"

namespace host {

// Copies a WbMsgHeader and every block it points to; NULL for NULL. A list longer than
// kMaxWbListNodes (a loop) is cut there.
constexpr int kMaxWbListNodes = 100000;
const void* CopyWbMessage(const void* header, BlockArena& arena);

// Lines describing a copied message: its head, its page/op record and each payload.
std::string FormatWbMessage(const void* header, const std::string& indent);

}  // namespace host
