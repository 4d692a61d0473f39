// Writing object nodes and records as XML: children are the records whose parentId is the
// record's id, written in array order; the walk uses an explicit stack and writes each record once.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlFileOut.h"
#include "xml/XmlNodeIndex.h"
#include "xml/XmlText.h"

namespace {

// Record: escaped, empty elements as "/>", text by kind. Nodes: escaped, every element with both
// tags. Raw: nothing escaped, every element with both tags. Nodes and Raw also write to files.
enum class Style { Record, Nodes, Raw };

struct Sink {
  Style style;
  FILE* file;
  XmlStringBuilder b;
  bool failed;

  void Put(const char* text) {
    if (!text || failed) return;
    failed = file ? fputs(text, file) < 0 : !XmlStringBuilderAppend(text, &b);
  }
  void PutEscaped(const char* text) {
    if (style == Style::Raw) return Put(text);
    if (failed || !text) return;
    if (!file) {
      failed = !XmlStringBuilderAppendEscaped(text, &b);
      return;
    }
    b.position = b.start;  // the builder holds the escaped text on its way to the file
    failed = !XmlStringBuilderAppendEscaped(text, &b);
    uint32_t n = XmlStringBuilderLength(&b);
    if (!failed && n) failed = fwrite(b.start, 1, n, file) != n;
  }
};

bool HasText(XmlNodeRecord* r) { return r->text && *r->text; }

void PutText(Sink* s, XmlNodeRecord* r) {
  if (!HasText(r)) return;
  if (s->style != Style::Record || r->kind <= XML_KIND_TEXT) return s->PutEscaped(r->text);
  bool cdata = r->kind == XML_KIND_CDATA;
  if (cdata) s->Put("<![CDATA[");
  s->Put(r->text);
  if (cdata) s->Put("]]>");
}

// Whether the element is written with an end tag (else as "<name .../>").
bool IsOpen(Sink* s, XmlNodeRecord* r, bool hasChildren) {
  return s->style != Style::Record || HasText(r) || r->hasChildren || hasChildren;
}

void Open(Sink* s, XmlNodeRecord* r, bool hasChildren) {
  if (!r->name || !*r->name) return PutText(s, r);
  s->Put("<");
  s->Put(r->name);
  for (XmlNodeAttribute* a = r->attributes; a; a = a->next) {
    if (!a->name) continue;
    s->Put(" ");
    s->Put(a->name);
    s->Put("=\"");
    s->PutEscaped(a->value);
    s->Put("\"");
  }
  s->Put(IsOpen(s, r, hasChildren) ? ">" : "/>");
  PutText(s, r);
}

void Close(Sink* s, XmlNodeRecord* r, bool hasChildren) {
  if (!r->name || !*r->name || !IsOpen(s, r, hasChildren)) return;
  s->Put("</");
  s->Put(r->name);
  s->Put(">");
}

struct Walk {
  XmlNodeRecord* const* records;
  XmlChildIndex index;
  bool* seen;
  uint32_t* stack;   // positions of the open records
  uint32_t* cursor;  // next child slot of each open record
};

bool Kids(const Walk* w, uint32_t p) { return w->index.first[p + 1] > w->index.first[p]; }

void WriteFrom(Sink* s, Walk* w, uint32_t start) {
  if (w->seen[start]) return;
  uint32_t depth = 0;
  w->seen[start] = true;
  Open(s, w->records[start], Kids(w, start));
  w->stack[depth] = start;
  w->cursor[depth++] = w->index.first[start];
  while (depth && !s->failed) {
    uint32_t p = w->stack[depth - 1];
    if (w->cursor[depth - 1] == w->index.first[p + 1]) {
      Close(s, w->records[p], Kids(w, p));
      --depth;
      continue;
    }
    uint32_t c = w->index.child[w->cursor[depth - 1]++];
    if (w->seen[c]) continue;
    w->seen[c] = true;
    Open(s, w->records[c], Kids(w, c));
    w->stack[depth] = c;
    w->cursor[depth++] = w->index.first[c];
  }
}

// Writes the record at `start`, or with start == count every record whose parent is not among them.
void WriteRecords(Sink* s, XmlNodeRecord* const* records, uint32_t count, uint32_t start) {
  Walk w{records, {}, static_cast<bool*>(calloc(count, sizeof(bool))),
         static_cast<uint32_t*>(malloc(count * sizeof(uint32_t))), static_cast<uint32_t*>(malloc(count * sizeof(uint32_t)))};
  XmlIdMap map{};
  bool ready = w.seen && w.stack && w.cursor && XmlChildIndexBuild(&w.index, records, count) &&
               XmlIdMapBuild(&map, records, count);
  s->failed = !ready;
  for (uint32_t p = (start < count ? start : 0); ready && p < count && !s->failed; ++p) {
    uint32_t parent;
    if (start < count || !XmlIdMapFind(&map, records[p]->parentId, &parent)) WriteFrom(s, &w, p);
    if (start < count) break;
  }
  if (map.slots) XmlIdMapFree(&map);
  XmlChildIndexFree(&w.index);
  free(w.seen);
  free(w.stack);
  free(w.cursor);
}

int ToText(Style style, XmlNodeRecord** records, uint32_t count, char** out, uint32_t* length) {
  if (!out || !length) {
    free(records);
    return 0;
  }
  *out = nullptr;
  *length = 0;
  Sink s{style, nullptr, {}, false};
  if (records) WriteRecords(&s, records, count, count);
  free(records);
  if (!s.failed) *out = XmlStringBuilderCopy(&s.b);
  if (*out) *length = XmlStringBuilderLength(&s.b);
  XmlStringBuilderFree(&s.b);
  return *out != nullptr;
}

}  // namespace

char* XmlRecordToText(XmlNodeRecord* record) {
  if (!record) return nullptr;
  XmlNodeRecord* base = record->recordBase;
  uint32_t count = record->recordCount;
  bool member = base && record >= base && record < base + count;
  XmlNodeRecord** records = member ? XmlRecordPointers(base, count) : XmlRecordPointers(record, 1);
  if (!records) return nullptr;
  Sink s{Style::Record, nullptr, {}, false};
  WriteRecords(&s, records, member ? count : 1, member ? static_cast<uint32_t>(record - base) : 0);
  free(records);
  char* text = s.failed ? nullptr : XmlStringBuilderCopy(&s.b);
  XmlStringBuilderFree(&s.b);
  return text;
}

int XmlRecordsToText(XmlNodeRecord* records, uint32_t count, char** out, uint32_t* length) {
  return ToText(Style::Nodes, XmlRecordPointers(records, count), count, out, length);
}

int XmlNodesToText(XmlNode* list, char** out, uint32_t* length) {
  uint32_t count;
  XmlNodeRecord** records = XmlNodeListPointers(list, &count);
  return ToText(Style::Nodes, records, count, out, length);
}

int XmlNodesWriteFileAs(const char* path, XmlNode* list, bool escaped) {
  if (!path || !list) return 0;
  uint32_t count;
  XmlNodeRecord** records = XmlNodeListPointers(list, &count);
  XmlFileOut out;
  FILE* file = XmlFileOutOpen(&out, path);
  if (!file) {
    free(records);
    return 0;
  }
  Sink s{escaped ? Style::Nodes : Style::Raw, file, {}, false};
  if (records) WriteRecords(&s, records, count, count);
  free(records);
  XmlStringBuilderFree(&s.b);
  return XmlFileOutClose(&out, !s.failed);
}

int XmlNodesWriteFile(const char* path, XmlNode* list) { return XmlNodesWriteFileAs(path, list, false); }
