// The older writers: unescaped text for older-form trees, the HTML variant, and file output.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlFileOut.h"
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

// Old: text and end tags always. Html: no element text, end tags by HTML habit. File: no element
// text, "/>" for childless elements, nameless nodes write only their older-form text.
enum class Form { Old, Html, File };

struct Sink {
  Form form;
  FILE* file;
  char* block;
  uint32_t capacity;
  uint32_t length;
  bool failed;
};

void Put(Sink* s, const char* text) {
  if (!text || !*text || s->failed) return;
  if (s->file) {
    s->failed = fputs(text, s->file) < 0;
    return;
  }
  s->block = XmlBufAppend(s->block, &s->capacity, &s->length, text);
  s->failed = s->block == nullptr;
}

bool NameIs(XmlElement* e, const char* a, const char* b) { return strcmp(e->name, a) == 0 || strcmp(e->name, b) == 0; }

bool WritesEndTag(Sink* s, XmlElement* e) {
  switch (s->form) {
    case Form::Old: return true;
    case Form::File: return e->children != nullptr;
    case Form::Html: return e->children ? !NameIs(e, "li", "opt") : NameIs(e, "p", "a");
  }
  return true;
}

int Enter(XmlElement* e, void* context) {
  auto* s = static_cast<Sink*>(context);
  if (!e->name) {
    if (s->form != Form::File) Put(s, e->text);
    if (e->attributes) Put(s, e->attributes->value);
    return s->failed ? -1 : 0;
  }
  Put(s, "<");
  Put(s, e->name);
  for (XmlAttribute* a = e->attributes; a; a = a->next) {
    Put(s, " ");
    Put(s, a->name);
    Put(s, "=\"");
    Put(s, a->value);
    Put(s, "\"");
  }
  Put(s, s->form == Form::File && !e->children ? "/>" : ">");
  if (s->form == Form::Old) Put(s, e->text);
  return s->failed ? -1 : 1;
}

void Leave(XmlElement* e, void* context) {
  auto* s = static_cast<Sink*>(context);
  if (!e->name || !WritesEndTag(s, e)) return;
  Put(s, "</");
  Put(s, e->name);
  Put(s, ">");
}

void Write(Sink* s, XmlElement* e, bool childrenOnly) {
  if (!childrenOnly) {
    XmlTraverse(e, Enter, Leave, s);
    return;
  }
  for (XmlElement* c = XmlFirstChild(e); c && !s->failed; c = XmlNextSibling(c)) XmlTraverse(c, Enter, Leave, s);
}

char* ToBuffer(XmlElement* e, Form form, bool childrenOnly) {
  if (!e) return nullptr;
  Sink s{form, nullptr, nullptr, 0, 0, false};
  s.block = XmlBufAppendBytes(nullptr, &s.capacity, &s.length, "", 0);
  if (!s.block) return nullptr;
  Write(&s, e, childrenOnly);
  if (s.failed) {
    free(s.block);
    return nullptr;
  }
  return s.block;
}

}  // namespace

char* XmlElementToString(XmlElement* e) { return ToBuffer(e, Form::Old, false); }

char* XmlChildrenToString(XmlElement* e) { return ToBuffer(e, Form::Old, true); }

char* XmlElementToHtml(XmlElement* e) { return ToBuffer(e, Form::Html, false); }

char* XmlChildrenToHtml(XmlElement* e) { return ToBuffer(e, Form::Html, true); }

int XmlWriteFile(const char* path, XmlElement* e, int mode) {
  if (!path || !e) return 0;
  XmlFileOut out;
  FILE* file = XmlFileOutOpen(&out, path);
  if (!file) return 0;
  bool html = mode == XML_WRITE_HTML || mode == XML_WRITE_CHILDREN_HTML;
  bool childrenOnly = mode == XML_WRITE_CHILDREN || mode == XML_WRITE_CHILDREN_HTML;
  Sink s{html ? Form::Html : Form::File, file, nullptr, 0, 0, false};
  Write(&s, e, childrenOnly);
  return XmlFileOutClose(&out, !s.failed);
}
