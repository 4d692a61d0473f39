// Received whiteboard records from a hostile peer through a board window's dispatch: the
// conference, point-to-point and shared-document boards, every method, any header bytes, and
// page/op records with lists of payloads of any kind and content. Then the boards are
// painted, and written as a document that must read again.
//
// The first byte chooses: with its bit of value 4 set, records as the relay carries them (u32
// length, then the form of host/recording/HostInputForm.h), to the board of its low two bits; the
// seeds are what the boards of the tests and scenarios sent. Otherwise records built from the rest.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "fuzz/FuzzBoards.h"
#include "host/recording/HostInputForm.h"
#include "host/relay/BlockArena.h"
#include "protocol/WbPayloadKinds.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/surface/DrawSurface.h"

namespace {

const char* const kIdWords[] = {"line:", "rectangle:", "solidrectangle:", "roundrect:", "ellipse:", "solidellipse:",
                                "circle:", "freeline:", "fluorescence:", "polyline:", "polygon:", "triangle:",
                                "trapezia:", "text:", "image:", "hand:", "laser:", "docpage:"};

// Every block of one input, kept until the records have been delivered.
struct Blocks {
  std::deque<std::vector<BYTE>> bytes;
  std::deque<std::string> texts;
  BYTE* New(size_t size) {
    bytes.emplace_back(size, 0);
    return bytes.back().data();
  }
};

// Bytes from the input into a block; the rest stays zero.
void Fill(FuzzedDataProvider& in, BYTE* block, size_t size) {
  std::vector<BYTE> bytes = in.ConsumeBytes<BYTE>(in.ConsumeIntegralInRange<size_t>(0, size));
  if (!bytes.empty()) memcpy(block, bytes.data(), bytes.size());
}

constexpr size_t LargestPayload() {
  size_t largest = 0;
  for (const WbPayloadKind& kind : kWbPayloadKinds) largest = std::max(largest, kind.size);
  return largest;
}

// A payload's block is as large as its object type makes it (the host copies it so); a type no
// kind has gets a block as large as the largest kind.
void* NewPayload(FuzzedDataProvider& in, Blocks& blocks) {
  const WbPayloadKind& kind = kWbPayloadKinds[in.ConsumeIntegralInRange<size_t>(0, kWbPayloadKindCount - 1)];
  bool unknown = in.ConsumeIntegralInRange<int>(0, 15) == 0;
  size_t size = unknown ? LargestPayload() : kind.size;
  BYTE* payload = blocks.New(size);
  Fill(in, payload, size);
  WbShapePayload* head = reinterpret_cast<WbShapePayload*>(payload);
  head->nObjType = unknown ? in.ConsumeIntegralInRange<DWORD>(WB_OBJ_DOCPAGE + 1, 0xFFFFFFFF) : kind.nObjType;
  if (unknown) return payload;
  if (in.ConsumeBool()) {  // an id of a kind the readers know, as a board would write it
    std::string id = kIdWords[in.ConsumeIntegralInRange<size_t>(0, sizeof kIdWords / sizeof kIdWords[0] - 1)];
    id += in.ConsumeRandomLengthString(24);
    memset(head->szID, 0, sizeof head->szID);
    memcpy(head->szID, id.data(), std::min(id.size(), sizeof head->szID - 1));
  }
  if (kind.styleOffset >= 0) {
    BYTE* style = in.ConsumeBool() ? blocks.New(sizeof(WbStyleRecord)) : nullptr;
    if (style) Fill(in, style, sizeof(WbStyleRecord));
    SetWbPayloadPointer(payload, kind.styleOffset, style);
  }
  if (kind.textOffset >= 0) {
    const char* text = nullptr;
    if (in.ConsumeBool()) {
      blocks.texts.push_back(in.ConsumeRandomLengthString(512));
      text = blocks.texts.back().c_str();
    }
    SetWbPayloadPointer(payload, kind.textOffset, text);
  }
  return payload;
}

WbRecvMsgHeader* NewRecord(FuzzedDataProvider& in, Blocks& blocks) {
  BYTE* bytes = blocks.New(sizeof(WbRecvMsgHeader));
  Fill(in, bytes, sizeof(WbRecvMsgHeader));
  WbRecvMsgHeader* header = reinterpret_cast<WbRecvMsgHeader*>(bytes);
  if (in.ConsumeBool()) header->head.op = in.ConsumeIntegralInRange<DWORD>(0, 12);
  header->pPageOp = nullptr;
  if (!in.ConsumeBool()) return header;
  WbPageOpRecord* pageOp = reinterpret_cast<WbPageOpRecord*>(blocks.New(sizeof(WbPageOpRecord)));
  Fill(in, reinterpret_cast<BYTE*>(pageOp), sizeof(WbPageOpRecord));
  if (in.ConsumeBool()) pageOp->nPage = in.ConsumeIntegralInRange<int32_t>(-1, 3);
  pageOp->pList = nullptr;
  header->pPageOp = pageOp;
  WbListNode** link = &pageOp->pList;
  for (int n = in.ConsumeIntegralInRange<int>(0, 12); n > 0; --n) {
    WbListNode* node = reinterpret_cast<WbListNode*>(blocks.New(sizeof(WbListNode)));
    node->pItem = in.ConsumeBool() ? NewPayload(in, blocks) : nullptr;
    *link = node;
    link = &node->pNext;
  }
  return header;
}

// Records as relayed, one after the other; a length past the end takes the rest.
void DispatchRelayed(int board, const uint8_t* data, size_t size) {
  for (size_t pos = 0; pos < size;) {
    uint32_t length = 0;
    memcpy(&length, data + pos, std::min(sizeof length, size - pos));
    pos += std::min(sizeof length, size - pos);
    length = (uint32_t)std::min<size_t>(length, size - pos);
    host::BlockArena arena;
    void* record = host::UnpackReceivedWbInput(std::string((const char*)data + pos, length), arena);
    pos += length;
    if (record) fuzzboards::Board(board)->DispatchBoardRecord(static_cast<WbRecvMsgHeader*>(record));
  }
}

void DispatchBuilt(int board, const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Blocks blocks;
  for (int n = in.ConsumeIntegralInRange<int>(1, 4); n > 0 && in.remaining_bytes() > 0; --n) {
    fuzzboards::Board(board)->DispatchBoardRecord(NewRecord(in, blocks));
    if (in.ConsumeBool()) fuzzboards::Paint(board);
  }
}

// With TAV_KEEP_DOCUMENTS set: the board's document and the XML of each of its pages, kept as
// seeds of xwb_read_fuzz and page_fromxml_fuzz.
void KeepDocuments(CDrawSurface* surface, const CString& doc) {
  static const char* folder = getenv("TAV_KEEP_DOCUMENTS");
  if (!folder) return;
  host::KeepInput(folder, "xwb_read_fuzz", std::string((const char*)doc, doc.GetLength()));
  for (POSITION pos = surface->m_listPages.GetHeadPosition(); pos;) {
    CString page = static_cast<CStrokePage*>(surface->m_listPages.GetNext(pos))->ToXml(0);
    host::KeepInput(folder, "page_fromxml_fuzz", std::string((const char*)page, page.GetLength()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  fuzzboards::Reset();
  int board = (data[0] & 3) % 3;
  if (data[0] & 4) DispatchRelayed(board, data + 1, size - 1);
  else DispatchBuilt(board, data + 1, size - 1);
  fuzzboards::Paint(board);
  CDrawSurface* surface = fuzzboards::Surface(board);
  if (surface && board != 2) {  // the shared board keeps its documents in its window
    CString doc = surface->WriteXwbDocument();
    KeepDocuments(surface, doc);
    if (!surface->ReadXwbDocument(doc, doc.GetLength())) abort();  // a saved board reads again
  }
  return 0;
}
