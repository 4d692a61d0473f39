// XmlLoadString on arbitrary text. Properties: a loaded tree serialises to text that loads back
// to the same tree, and the loader agrees with the staged route through the intermediate
// tree, object nodes and records. The same bytes are also read as the body of a schema: its
// template loads, parses into records with every parent present, and binds the bytes' own
// document without losing template records.
#include <cstdint>
#include <string>
#include <unordered_set>

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
  if (strstr(intermediate->name, "schema")) {
    XsdToNodes(intermediate, list);
  } else {
    XmlTreeToNodes(intermediate, list);
  }
  XmlNodeListToRecords(list, &records, &count);
  XmlElement* tree = XmlRecordsToTree(records, count);
  XmlRecordsFree(records, count);
  free(records);
  XmlNodeListFree(list);
  XmlFreeTree(intermediate);
  return tree;
}

// Every parent id is 0 or names a record of the array.
bool ParentsPresent(const XmlRecordPayload* records, uint32_t count) {
  std::unordered_set<uint32_t> ids;
  for (uint32_t i = 0; i < count; ++i) ids.insert(records[i].id);
  for (uint32_t i = 0; i < count; ++i) {
    if (records[i].parentId && !ids.count(records[i].parentId)) return false;
  }
  return true;
}

void SchemaRoute(const std::string& body) {
  std::string schema = "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">" + body + "</xs:schema>";
  XmlElement* tree = XmlLoadString(schema.c_str());
  XmlRecordPayload* templ = nullptr;
  uint32_t templCount = 0;
  int parsed = XmlRecordLoadText(schema.c_str(), static_cast<uint32_t>(schema.size()), &templ, &templCount);
  xmlfuzz::Require((tree != nullptr) == (parsed && templCount > 0), "a schema loads when it has a template");
  xmlfuzz::Require(ParentsPresent(templ, templCount), "template parents are present");
  XmlRecordPayload* data = nullptr;
  uint32_t dataCount = 0;
  XmlRecordLoadText(body.c_str(), static_cast<uint32_t>(body.size()), &data, &dataCount);
  XmlRecordPayload* bound = nullptr;
  uint32_t boundCount = 0;
  if (XmlBindRecords(templ, templCount, data, dataCount, &bound, &boundCount) && dataCount) {
    xmlfuzz::Require(boundCount >= templCount && boundCount <= 200000, "binding keeps the template, within bounds");
    xmlfuzz::Require(ParentsPresent(bound, boundCount), "bound parents are present");
  }
  free(bound);
  free(data);
  free(templ);
  XmlFreeTree(tree);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  SchemaRoute(text);
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
