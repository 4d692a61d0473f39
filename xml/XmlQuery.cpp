// Queries by backslash path and by dotted selector, and the dotted location of an element.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xml/XmlStorage.h"
#include "xml/XmlText.h"
#include "xml/XmlTree.h"

namespace {

const size_t kComponentSize = 64;

bool NameIs(const char* name, const char* start, const char* end) {
  size_t n = static_cast<size_t>(end - start);
  return name && strncmp(name, start, n) == 0 && name[n] == '\0';
}

// One selector component: name, optional "(n)" skip count, optional "[key]".
struct Component {
  char name[kComponentSize];
  char key[kComponentSize];
  bool hasKey;
  long skip;
};

bool ParseComponent(const char* start, const char* end, Component* c) {
  size_t n = static_cast<size_t>(end - start);
  if (n >= kComponentSize) return false;
  char text[kComponentSize];
  memcpy(text, start, n);
  text[n] = '\0';
  if (char* close = strchr(text, ']')) *close = '\0';
  c->hasKey = false;
  c->skip = 0;
  if (char* open = strchr(text, '[')) {
    *open = '\0';
    strcpy(c->key, open + 1);
    c->hasKey = true;
  }
  if (char* open = strchr(text, '(')) {
    *open = '\0';
    c->skip = strtol(open + 1, nullptr, 10);
  }
  strcpy(c->name, text);
  return true;
}

bool KeyMatches(XmlElement* e, const char* key) {
  const char* id = XmlGetAttribute(e, "id");
  return XmlStrEq(id ? id : XmlGetAttribute(e, "name"), key);
}

// Among e and its following siblings, the one the component names.
XmlElement* TakeSibling(XmlElement* e, Component* c) {
  long skip = c->skip;
  for (; e; e = XmlNextSibling(e)) {
    if (!XmlStrEq(e->name, c->name)) continue;
    if (skip > 0) {
      --skip;
      continue;
    }
    if (!c->hasKey || KeyMatches(e, c->key)) return e;
  }
  return nullptr;
}

}  // namespace

XmlList* XmlQueryPath(XmlElement* e, const char* path) {
  if (!e) return nullptr;
  if (!path || strcmp(path, "\\") == 0) return XmlListAppend(nullptr, e);
  if (!e->name || path[0] != '\\') return nullptr;
  const char* start = path + 1;
  const char* end = strchr(start, '\\');
  if (!end || !NameIs(e->name, start, end)) return nullptr;
  XmlPtrArray level{};
  XmlPtrArrayPush(&level, e);
  while (end[1] != '\0' && level.count) {
    start = end + 1;
    end = strchr(start, '\\');
    XmlPtrArray next{};
    for (uint32_t i = 0; end && i < level.count; ++i) {
      for (XmlElement* c = XmlFirstChildElement(static_cast<XmlElement*>(level.items[i])); c; c = XmlNextSiblingElement(c)) {
        if (NameIs(c->name, start, end)) XmlPtrArrayPush(&next, c);
      }
    }
    XmlPtrArrayFree(&level);
    level = next;
    if (!end) break;
  }
  XmlList* head = nullptr;
  XmlList* tail = nullptr;
  for (uint32_t i = 0; i < level.count; ++i) XmlListPushBack(&head, &tail, static_cast<XmlElement*>(level.items[i]));
  XmlPtrArrayFree(&level);
  return head;
}

XmlElement* XmlQueryFirst(XmlElement* e, const char* path) {
  XmlList* list = XmlQueryPath(e, path);
  XmlElement* first = list ? list->item : nullptr;
  XmlListFree(list);
  return first;
}

XmlElement* XmlSelect(XmlElement* e, const char* selector) {
  for (;;) {
    if (!selector || !*selector) return e;
    if (*selector == '.') {
      e = XmlFirstChild(e);
      ++selector;
      continue;
    }
    while (*selector == ' ') ++selector;
    while (e && !e->name) e = XmlNextSibling(e);
    if (!e) return nullptr;
    const char* end = strchr(selector, '.');
    if (!end) end = selector + strlen(selector);
    Component c;
    if (!ParseComponent(selector, end, &c)) return nullptr;
    XmlElement* taken = TakeSibling(e, &c);
    if (!taken || !*end) return taken;
    selector = end + 1;
    while (*selector == ' ') ++selector;
    e = XmlFirstChild(taken);
  }
}

XmlElement* XmlSelectFormat(XmlElement* e, const char* format, ...) {
  va_list args;
  va_start(args, format);
  char* selector = XmlFormatV(format, args);
  va_end(args);
  XmlElement* found = selector ? XmlSelect(e, selector) : nullptr;
  free(selector);
  return found;
}

char* XmlLocationPath(XmlElement* e) {
  if (!e) return nullptr;
  XmlPtrArray chain{};
  for (XmlElement* a = e; a; a = a->parent) {
    if (!a->name || !XmlPtrArrayPush(&chain, a)) {
      XmlPtrArrayFree(&chain);
      return nullptr;
    }
  }
  XmlStringBuilder builder;
  XmlStringBuilderInit(&builder);
  for (uint32_t i = chain.count; i-- > 0;) {
    auto* node = static_cast<XmlElement*>(chain.items[i]);
    int earlier = 0;
    for (XmlElement* s = XmlPrevSibling(node); s; s = XmlPrevSibling(s)) earlier += XmlStrEq(s->name, node->name);
    if (i + 1 < chain.count) XmlStringBuilderAppend(".", &builder);
    XmlStringBuilderAppend(node->name, &builder);
    if (earlier > 0) {
      char count[16];
      snprintf(count, sizeof count, "(%d)", earlier);
      XmlStringBuilderAppend(count, &builder);
    }
  }
  XmlPtrArrayFree(&chain);
  char* path = XmlStringBuilderCopy(&builder);
  XmlStringBuilderFree(&builder);
  return path;
}

char* XmlLocationPathBuf(XmlElement* e, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return nullptr;
  char* path = XmlLocationPath(e);
  if (!path) return nullptr;
  size_t n = strlen(path);
  if (n >= size) {
    n = size - 1;
    while (n > 0 && (static_cast<unsigned char>(path[n]) & 0xC0) == 0x80) --n;  // keep UTF-8 whole
  }
  memcpy(buffer, path, n);
  buffer[n] = '\0';
  free(path);
  return buffer;
}
