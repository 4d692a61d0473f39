// XmlLoadString on arbitrary text. Properties: a loaded tree serialises to text that loads back
// to the same tree, and the loader agrees with the staged route through the intermediate
// tree, object nodes and records.
#include <cstdint>
#include <string>

#include "fuzz/XmlFuzzCheck.h"

namespace {

// Text that the loader reads as it stands: no byte-order mark and no declared encoding.
bool Plain(const std::string& text) {
  unsigned char first = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
  return first != 0xEF && first != 0xFE && first != 0xFF && text.find("encoding") == std::string::npos;
}

// Whether serialising keeps every character: the five escapes do not cover the whitespace that
// expat normalises in attribute values, nor carriage returns in text.
bool Preserved(XmlElement* root) {
  return xmlfuzz::EveryNode(root, [](XmlElement* e) {
    if (e->text && strchr(e->text, '\r')) return false;
    for (XmlAttribute* a = e->attributes; a; a = a->next) {
      if (a->value && strpbrk(a->value, "\t\n\r")) return false;
    }
    return true;
  });
}

XmlElement* StagedRoute(const char* text) {
  XmlElement* intermediate = XmlParseString(text);
  XmlNode* list = XmlNodeListNew();
  XmlNodeRecord* records = nullptr;
  uint32_t count = 0;
  XmlTreeToNodes(intermediate, list);
  XmlNodeListToRecords(list, &records, &count);
  XmlElement* tree = XmlRecordsToTree(records, count);
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListFree(list);
  XmlFreeTree(intermediate);
  return tree;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  XmlElement* root = XmlLoadString(text.c_str());
  if (!root) return 0;
  if (Plain(text)) {
    XmlElement* staged = StagedRoute(text.c_str());
    xmlfuzz::Require(xmlfuzz::SameTree(root, staged), "loader equals the staged route");
    XmlFreeTree(staged);
  }
  char* written = XmlElementToText(root);
  xmlfuzz::Require(written != nullptr, "a loaded tree serialises");
  if (Plain(written)) {
    XmlElement* again = XmlLoadString(written);
    xmlfuzz::Require(again != nullptr, "serialised text loads");
    xmlfuzz::Require(!Preserved(root) || xmlfuzz::SameTree(root, again), "serialise then load gives the same tree");
    XmlFreeTree(again);
  }
  free(written);
  XmlFreeTree(root);
  return 0;
}
