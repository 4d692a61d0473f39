// Writing an element tree as escaped XML text.
#include "xml/XmlStorage.h"
#include "xml/XmlText.h"

namespace {

// The builder empties itself when it cannot grow; the walk then stops writing.
struct Writer {
  XmlStringBuilder* b;
  bool failed;
  void Put(const char* text) { failed = failed || !XmlStringBuilderAppend(text, b); }
  void PutEscaped(const char* text) { failed = failed || !XmlStringBuilderAppendEscaped(text, b); }
};

void WriteText(XmlElement* e, Writer* w) {
  if (e->kind == XML_KIND_CDATA) {
    w->Put(e->text);  // already wrapped in a CDATA section
  } else {
    w->PutEscaped(e->text);
  }
}

int EnterWrite(XmlElement* e, void* context) {
  auto* w = static_cast<Writer*>(context);
  if (!e->name) {
    WriteText(e, w);
    return w->failed ? -1 : 0;
  }
  w->Put("<");
  w->Put(e->name);
  for (XmlAttribute* a = e->attributes; a; a = a->next) {
    w->Put(" ");
    if (a->name && a->value) {
      w->Put(a->name);
      w->Put("=\"");
      w->PutEscaped(a->value);
      w->Put("\"");
    } else {
      w->PutEscaped(a->value);
    }
  }
  w->Put(">");
  WriteText(e, w);
  return w->failed ? -1 : 1;
}

void LeaveWrite(XmlElement* e, void* context) {
  auto* w = static_cast<Writer*>(context);
  if (!e->name) return;
  w->Put("</");
  w->Put(e->name);
  w->Put(">");
}

}  // namespace

void XmlWriteElement(XmlStringBuilder* builder, XmlElement* e) {
  if (!builder || !e) return;
  Writer w{builder, false};
  if (!XmlTraverse(e, EnterWrite, LeaveWrite, &w) || w.failed) XmlStringBuilderFree(builder);
}

char* XmlElementToText(XmlElement* e) {
  if (!e) return nullptr;
  XmlStringBuilder builder;
  XmlStringBuilderInit(&builder);
  XmlWriteElement(&builder, e);
  char* text = XmlStringBuilderCopy(&builder);
  XmlStringBuilderFree(&builder);
  return text;
}
