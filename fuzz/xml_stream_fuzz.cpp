// XmlParseStream over arbitrary text served in chunks of a size taken from the first byte. The
// result must equal XmlParseString of the text the stream delivered.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/XmlFuzzCheck.h"

namespace {

struct Reader {
  const char* data;
  size_t size;
  size_t chunk;
  std::string delivered;  // what the parser saw: each chunk up to its first zero byte
  bool ended;
};

size_t Read(void* buffer, size_t, size_t count, void* stream) {
  auto* r = static_cast<Reader*>(stream);
  size_t n = std::min({count, r->chunk, r->size});
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
  Reader reader{reinterpret_cast<const char*>(data) + 1, size - 1, 1u + data[0] * 3u, {}, false};
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
