// Payload arrays: record lists copied into one block, and positions inside such blocks.
#include <cstdlib>
#include <cstring>

#include "xml/XmlRecordIndex.h"

int XmlRecordListToArray(XmlRecord* head, XmlRecordPayload** array, uint32_t* count) {
  if (!head || !array || !count) return 0;
  *array = nullptr;
  *count = 0;
  if (!head->count) return 1;
  if (head->count > SIZE_MAX / sizeof(XmlRecordPayload)) return 0;
  auto* block = static_cast<XmlRecordPayload*>(malloc(head->count * sizeof(XmlRecordPayload)));
  if (!block) return 0;
  uint32_t n = 0;
  for (XmlRecord* item = head->next; item && n < head->count; item = item->next) {
    memcpy(&block[n++], static_cast<XmlRecordPayload*>(item), sizeof(XmlRecordPayload));
  }
  *array = block;
  *count = n;
  return 1;
}

int XmlRecordListFromArray(const XmlRecordPayload* array, uint32_t count, XmlRecord* head) {
  if (!array || !head) return 0;
  XmlRecord added{};  // appended to a separate list first, so that a failure leaves head as it was
  for (uint32_t i = 0; i < count; ++i) {
    if (!XmlRecordListAppend(&added, &array[i])) {
      XmlRecord* doomed = &added;
      XmlRecordListClear(&doomed);
      return 0;
    }
  }
  return XmlRecordListAppendAll(head, &added);
}

uint32_t XmlRecordArrayGetById(const XmlRecordPayload* array, uint32_t count, uint32_t id, XmlRecordPayload* out) {
  for (uint32_t i = 0; array && i < count; ++i) {
    if (array[i].id != id) continue;
    if (out && out != &array[i]) memcpy(out, &array[i], sizeof(XmlRecordPayload));
    return i + 1;
  }
  return 0;
}

int XmlRecordArrayGetAt(const XmlRecordPayload* array, uint32_t count, uint32_t i, XmlRecordPayload* out) {
  if (!array || i < 1 || i > count) return 0;
  if (out && out != &array[i - 1]) memcpy(out, &array[i - 1], sizeof(XmlRecordPayload));
  return 1;
}

int XmlRecordArraySetAt(XmlRecordPayload* array, uint32_t count, uint32_t i, const XmlRecordPayload* payload) {
  if (!array || !payload || i < 1 || i > count) return 0;
  if (payload != &array[i - 1]) memcpy(&array[i - 1], payload, sizeof(XmlRecordPayload));
  XmlPayloadTerminate(&array[i - 1]);
  return 1;
}
