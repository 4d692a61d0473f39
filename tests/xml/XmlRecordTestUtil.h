// Helpers for the record list tests: building payloads, owned lists, and a dump of a list.
#pragma once

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "xml/Xml.h"

namespace xmltest {

inline XmlRecordPayload Payload(uint32_t id, uint32_t parentId, const char* name, const char* text = "") {
  XmlRecordPayload p;
  memset(&p, 0, sizeof p);
  p.id = id;
  p.parentId = parentId;
  p.repeat = 1;
  strncpy(p.name, name, sizeof p.name - 1);
  strncpy(p.text, text, sizeof p.text - 1);
  return p;
}

struct RecordListDeleter {
  void operator()(XmlRecord* head) const { XmlRecordListFree(&head); }
};
using RecordList = std::unique_ptr<XmlRecord, RecordListDeleter>;

inline RecordList NewRecordList() {
  XmlRecord* head = nullptr;
  XmlRecordListNew(&head);
  return RecordList(head);
}

// "name" per item, "name=text" when it has text, joined by spaces.
inline std::string Names(XmlRecord* head) {
  std::string out;
  for (XmlRecord* r = head->next; r; r = r->next) {
    if (!out.empty()) out += " ";
    out += r->name;
    if (r->text[0]) out += std::string("=") + r->text;
  }
  return out;
}

inline std::string Names(const XmlRecordPayload* array, uint32_t count) {
  std::string out;
  for (uint32_t i = 0; i < count; ++i) {
    if (i) out += " ";
    out += array[i].name;
    if (array[i].text[0]) out += std::string("=") + array[i].text;
  }
  return out;
}

}  // namespace xmltest
