// Turns the whiteboard records the tests and scenarios sent (seed inputs of wb_record_fuzz, the
// relayed form) into seeds of the payload targets: every text payload with its font record and
// text for text_apply_fuzz, every picture and page-background payload for picture_apply_fuzz.
// Usage: tav_fuzz_seed_forms <wb_record seed folder> <seed folder>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host/recording/HostInputForm.h"
#include "host/relay/BlockArena.h"
#include "protocol/WbRecords.h"

namespace {

std::string Bytes(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

void TextSeed(const std::string& out, const WbTextPayload* text) {
  WbStyleRecord font = {};
  if (text->pStyle) font = *text->pStyle;
  uint8_t flags = 4;  // drawn
  host::KeepInput(out, "text_apply_fuzz",
                  Bytes(&flags, 1) + Bytes(text, sizeof *text) + Bytes(&font, sizeof font) +
                      (text->pszText ? text->pszText : ""));
}

// picture_apply_fuzz: mode 0 (a picture, the data URL as text) or 1 (a page background).
void PictureSeed(const std::string& out, uint8_t mode, const char* fields, const char* url) {
  if (!url) return;
  std::string numbers(4 * WB_NUMBER_LEN, '\0');
  if (fields) memcpy(&numbers[0], fields, numbers.size());
  host::KeepInput(out, "picture_apply_fuzz", Bytes(&mode, 1) + numbers + url);
}

void Payload(const std::string& out, const void* item) {
  const auto* head = static_cast<const WbShapePayload*>(item);
  if (head->nObjType == WB_OBJ_TEXT) TextSeed(out, static_cast<const WbTextPayload*>(item));
  if (head->nObjType == WB_OBJ_IMAGE) {
    const auto* image = static_cast<const WbImagePayload*>(item);
    PictureSeed(out, 0, image->szX, image->pszData);
  }
  if (head->nObjType == WB_OBJ_DOCPAGE) PictureSeed(out, 1, nullptr, static_cast<const WbDocPagePayload*>(item)->pszData);
}

// One seed of wb_record_fuzz: the board byte, then records of u32 length and relayed form.
void Records(const std::string& out, const std::string& seed) {
  for (size_t pos = 1; pos + 4 <= seed.size();) {
    uint32_t length = 0;
    memcpy(&length, seed.data() + pos, 4);
    pos += 4;
    if (length > seed.size() - pos) return;
    host::BlockArena arena;
    auto* record = static_cast<WbRecvMsgHeader*>(host::UnpackReceivedWbInput(seed.substr(pos, length), arena));
    pos += length;
    if (!record || !record->pPageOp) continue;
    for (const WbListNode* node = record->pPageOp->pList; node; node = node->pNext)
      if (node->pItem) Payload(out, node->pItem);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: %s <wb_record seed folder> <seed folder>\n", argv[0]);
    return 2;
  }
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::string seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!seed.empty() && (seed[0] & 4)) Records(argv[2], seed);
  }
  return 0;
}
