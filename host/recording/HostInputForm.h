// The byte form of host messages that the fuzz targets read, and that a recording host writes
// down as it delivers them when the environment variable TAV_KEEP_HOST_INPUTS names a folder:
// the host's blocks of the tests and scenarios become the fuzz targets' seed inputs.
//
// A message: u8 code index (kHostInputCodes, modulo their count), u8 flags (1: no record or
// text), i16 kind, u16 length, then length bytes. By code:
//   9 (conference event)  kind iType; the record's bytes, the rest of the record zero
//   8 (data conference)   kind; a whiteboard record as u32 method + PackWbMessage bytes
//   17 (member right)     the i32 result, then the text
//   16 (show a page)      kind the page; the member numbers text (flag 1: none)
//   others                nothing more
// DeliverHostInput (host/recording/HostInputDelivery.h) plays messages of this form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/relay/BlockArena.h"

namespace host {

extern const int kHostInputCodes[];
extern const size_t kHostInputCodeCount;
// The bytes of a message's head, and its flag of a message without record or text.
constexpr size_t kHostInputHeadSize = 6;
constexpr uint8_t kHostInputNoRecord = 1;

// Appends the form of a host message as it is delivered; false (nothing appended) for a code
// or record the form does not hold.
bool AppendHostInput(int code, const void* block, std::string* out);

// A received whiteboard record (WbRecvMsgHeader and its blocks) as u32 method + packed bytes,
// and back into the arena (NULL for bytes that are not one).
std::string PackReceivedWbInput(const void* receivedHeader);
void* UnpackReceivedWbInput(const std::string& bytes, BlockArena& arena);

// Writes bytes to folder/sub/<hash of the bytes>; the folder is made when missing.
void KeepInput(const std::string& folder, const char* sub, const std::string& bytes);

}  // namespace host
