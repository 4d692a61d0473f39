// XmlParseStream over a document served in chunks of varying size, both from the input: the
// low four bits of the first byte count the chunk-size bytes that follow (none: chunks of 512),
// each serving 1 + 2 x its value bytes, in turn; the rest is the document. The result must equal
// XmlParseString of the text the stream delivered.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/XmlFuzzCheck.h"

namespace {

struct Reader {
  const char* data;
  size_t size;
  const uint8_t* sizes;  // the chunk sizes, used in turn
  size_t sizeCount;
  size_t next;
  std::string delivered;  // what the parser saw: each chunk up to its first zero byte
  bool ended;
};

size_t ChunkSize(Reader& r) {
  if (r.sizeCount == 0) return 512;
  return 1 + 2u * r.sizes[r.next++ % r.sizeCount];
}

size_t Read(void* buffer, size_t, size_t count, void* stream) {
  auto* r = static_cast<Reader*>(stream);
  size_t n = std::min({count, ChunkSize(*r), r->size});
  memcpy(buffer, r->data, n);
  r->data += n;
  r->size -= n;
  size_t text = strnlen(static_cast<char*>(buffer), n);
  if (text == 0) r->ended = true;
  if (!r->ended) r->delivered.append(static_cast<char*>(buffer), text);
  return n;
}

bool IsError(XmlElement* e) { return e && XmlElementName(e) && strcmp(XmlElementName(e), "xml-error") == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  size_t sizeCount = std::min<size_t>(data[0] & 15, size - 1);
  size_t head = 1 + sizeCount;
  Reader reader{reinterpret_cast<const char*>(data) + head, size - head, data + 1, sizeCount, 0, {}, false};
  XmlElement* streamed = XmlParseStream(&reader, Read);
  xmlfuzz::Require(streamed != nullptr, "a stream parse gives a tree or an error element");
  if (!reader.delivered.empty()) {
    XmlElement* whole = XmlParseString(reader.delivered.c_str());
    xmlfuzz::Require(IsError(whole) == IsError(streamed), "stream and whole parse agree on success");
    if (!IsError(whole)) {
      char* a = XmlElementToString(whole);
      char* b = XmlElementToString(streamed);
      xmlfuzz::Require(xmlfuzz::SameText(a, b), "stream and whole parse give the same text");
      free(a);
      free(b);
    }
    XmlFreeTree(whole);
  }
  XmlFreeTree(streamed);
  return 0;
}
