// Creating and changing attributes.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlStorage.h"
#include "xml/XmlText.h"
#include "xml/XmlTree.h"

namespace {

const size_t kValueStep = 256;

// The attribute of that name, or NULL; *last receives the list's last attribute.
XmlAttribute* FindWithLast(XmlElement* e, const char* name, XmlAttribute** last) {
  *last = nullptr;
  for (XmlAttribute* a = e->attributes; a; a = a->next) {
    if (XmlStrEq(a->name, name)) return a;
    *last = a;
  }
  return nullptr;
}

void Attach(XmlElement* e, XmlAttribute* last, XmlAttribute* a) {
  a->owner = e;
  a->next = nullptr;
  if (last) {
    last->next = a;
  } else {
    e->attributes = a;
  }
}

}  // namespace

int XmlValueAppend(XmlAttribute* a, const char* bytes, size_t n) {
  size_t used = a->valueSize ? a->valueSize - 1 : 0;
  if (n > SIZE_MAX - used - kValueStep - 1 || used + n + 1 > UINT32_MAX) return 0;
  size_t capacity = (used + n + 1 + kValueStep - 1) / kValueStep * kValueStep;
  char* buffer;
  if (a->value && a->value != XmlInlineValue(a)) {
    buffer = static_cast<char*>(realloc(a->value, capacity));
    if (!buffer) return 0;
  } else {
    buffer = static_cast<char*>(malloc(capacity));
    if (!buffer) return 0;
    if (used) memcpy(buffer, a->value, used);
  }
  memcpy(buffer + used, bytes, n);
  buffer[used + n] = '\0';
  a->value = buffer;
  a->valueSize = static_cast<uint32_t>(used + n + 1);
  return 1;
}

XmlAttribute* XmlNewAttribute(const char* name, const char* value) {
  if (!name) return nullptr;
  return XmlAllocAttribute(name, value, value ? strlen(value) : 0);
}

int XmlAddAttribute(XmlElement* e, XmlAttribute* a) {
  if (!e || !a || a->owner) return 0;
  XmlAttribute* last = e->attributes;
  while (last && last->next) last = last->next;
  Attach(e, last, a);
  return 1;
}

int XmlSetAttributeValue(XmlAttribute* a, const char* value) {
  if (!a) return 0;
  char* copy = nullptr;
  if (value && !(copy = XmlStrDup(value))) return 0;
  XmlReleaseValue(a);
  a->value = copy;
  a->valueSize = copy ? static_cast<uint32_t>(strlen(copy) + 1) : 0;
  return 1;
}

int XmlSetAttribute(XmlElement* e, const char* name, const char* value) {
  if (!e || !name) return 0;
  XmlAttribute* last = nullptr;
  XmlAttribute* found = FindWithLast(e, name, &last);
  if (found) return XmlSetAttributeValue(found, value);
  XmlAttribute* a = XmlNewAttribute(name, value);
  if (!a) return 0;
  Attach(e, last, a);
  return 1;
}

int XmlSetAttributeInt(XmlElement* e, const char* name, int value) {
  char digits[16];
  snprintf(digits, sizeof digits, "%d", value);
  return XmlSetAttribute(e, name, digits);
}

int XmlSetAttributeFormat(XmlElement* e, const char* name, const char* format, ...) {
  va_list args;
  va_start(args, format);
  char* value = XmlFormatV(format, args);
  va_end(args);
  int done = value ? XmlSetAttribute(e, name, value) : 0;
  free(value);
  return done;
}

int XmlAppendAttributeBytes(XmlElement* e, const char* name, const char* bytes, uint32_t n) {
  if (!e || !name || !bytes) return 0;
  XmlAttribute* a = XmlGetAttributeNode(e, name);
  if (!a) {
    if (!XmlSetAttribute(e, name, "")) return 0;
    a = XmlGetAttributeNode(e, name);
  }
  return XmlValueAppend(a, bytes, n);
}

int XmlAppendAttributeText(XmlElement* e, const char* name, const char* text) {
  if (!e || !name || !text) return 0;
  XmlAttribute* a = XmlGetAttributeNode(e, name);
  if (!a) return XmlSetAttribute(e, name, text);
  return XmlValueAppend(a, text, strlen(text));
}
