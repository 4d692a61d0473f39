// Building templates from schemas: the built-in types, the size budget, and the entry points that
// run the walk and the expansion into object nodes or records.
#include <cstdlib>
#include <cstring>

#include "xml/XmlNodeIndex.h"
#include "xml/XmlParse.h"
#include "xml/XmlRecordIndex.h"
#include "xml/XmlSchema.h"
#include "xml/XsdTemplate.h"

namespace {

const uint32_t kMaxTemplateNodes = 200000;
const size_t kMaxTemplateBytes = 32u << 20;

size_t Length(const char* s) { return s ? strlen(s) + 1 : 0; }

// Marks every node that has a child in the list as having children.
bool MarkParents(XmlNode* list) {
  uint32_t count;
  XmlNodeRecord** records = XmlNodeListPointers(list, &count);
  XmlIdMap map;
  if (!count) return true;
  if (!records || !XmlIdMapBuild(&map, records, count)) {
    free(records);
    return false;
  }
  for (uint32_t p = 0; p < count; ++p) {
    uint32_t parent;
    if (XmlIdMapFind(&map, records[p]->parentId, &parent) && parent != p) records[parent]->hasChildren = 1;
  }
  XmlIdMapFree(&map);
  free(records);
  return true;
}

int Build(XmlElement* root, XmlNode* list, bool basic) {
  if (!list) return 0;
  XsdBudget budget{0, 0};
  XmlNode* made = XmlNodeListNew();
  bool ok = made && XsdWalk(root, made, basic, &budget) && XsdExpand(made, &budget) && MarkParents(made);
  if (ok) XmlNodeListAppendAll(list, made);
  XmlNodeListFree(made);
  return ok;
}

int ToRecords(XmlElement* root, XmlRecord* head, bool basic) {
  if (!head) return 0;
  XmlNode* list = XmlNodeListNew();
  XmlRecord added{};  // filled first, so that a failure leaves head as it was
  bool ok = list && Build(root, list, basic);
  for (XmlNode* item = ok ? list->next : nullptr; ok && item; item = item->next) {
    XmlRecordPayload payload;
    XmlNodeToPayload(item, &payload);
    ok = XmlRecordListAppend(&added, &payload);
  }
  if (ok) XmlRecordListAppendAll(head, &added);
  XmlRecord* doomed = &added;
  XmlRecordListClear(&doomed);
  XmlNodeListFree(list);
  return ok;
}

bool IsSchema(XmlElement* root) { return root && root->name && strstr(root->name, "schema"); }

}  // namespace

bool XsdBudget::TakeBytes(size_t n) {
  bytes += n;
  return bytes <= kMaxTemplateBytes;
}

bool XsdBudget::Take(const XmlNodeRecord* node) {
  ++nodes;
  return nodes <= kMaxTemplateNodes &&
         TakeBytes(sizeof(XmlNode) + Length(node->name) + Length(node->typeName) + Length(node->schemaPath));
}

int XsdTypeIndex(const char* name) {
  static const char* const kBuiltIn[] = {"long",          "string",        "int",          "short",
                                         "byte",          "unsignedLong",  "unsignedInt",  "unsignedShort",
                                         "unsignedByte",  "positiveInteger", "boolean",    "date"};
  for (int i = 0; name && i < 12; ++i) {
    if (strcmp(name, kBuiltIn[i]) == 0) return i;
  }
  return -1;
}

int XsdToNodes(XmlElement* schemaRoot, XmlNode* list) { return Build(schemaRoot, list, false); }
int XsdToNodesBasic(XmlElement* schemaRoot, XmlNode* list) { return Build(schemaRoot, list, true); }
int XsdToRecords(XmlElement* schemaRoot, XmlRecord* head) { return ToRecords(schemaRoot, head, false); }
int XsdToRecordsBasic(XmlElement* schemaRoot, XmlRecord* head) { return ToRecords(schemaRoot, head, true); }

int XmlTreeToNodesBasic(XmlElement* root, XmlNode* list) {
  return IsSchema(root) ? XsdToNodesBasic(root, list) : XmlTreeToNodes(root, list);
}

int XmlTreeToRecordsBasic(XmlElement* root, XmlRecord* head) {
  return IsSchema(root) ? XsdToRecordsBasic(root, head) : XmlTreeToRecords(root, head);
}
