// What the real host and conference server do with a whiteboard record between two modules:
// the record one side hands over with code 101 (the sent layout, a tree of blocks) travels as
// bytes and reaches the other side as code 8, kind 1, in the received layout: one more 32-bit
// word in the head at 522 (so the board-style numbers start at 526, the value stands at 662
// and the page/op pointer at 666), sent types 4 to 9 arriving as methods 5 to 10, types 1 to 3
// unchanged.
#pragma once

#include <string>

#include "host/relay/BlockArena.h"
#include "platform/Win32Types.h"

namespace host {

// The received method of a sent header type.
DWORD ReceivedWbMethod(DWORD sentType);

// The whole message behind a sent header (WbMsgHeader and every block it points to) as bytes.
std::string PackWbMessage(const void* sentHeader);

// A packed message rebuilt in the received layout (WbRecvMsgHeader and its blocks) inside the
// arena; sessionURI, when given, replaces the session URI of the head (point to point the
// receiver sees the sender's URI there); method, when not 0, replaces the received method (the
// server answers a content request with a page's content as method 2). NULL for bytes that are
// not a packed message.
void* UnpackReceivedWbMessage(const std::string& bytes, BlockArena& arena, const char* sessionURI = nullptr,
                              DWORD method = 0);

// Lines describing a received message (as UnpackReceivedWbMessage builds it): its method, its
// head, its page/op record and each payload.
std::string FormatReceivedWbMessage(const void* receivedHeader, const std::string& indent);

}  // namespace host
