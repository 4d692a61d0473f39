// Open addressing with linear probing; the table doubles when it is half full.
#include "xml/XmlKeyTable.h"

#include <cstdlib>
#include <cstring>

namespace {

uint32_t Hash(const XmlKey& k) {
  uint32_t h = 2166136261u;
  for (const char* c = k.name; c && *c; ++c) h = (h ^ static_cast<unsigned char>(*c)) * 16777619u;
  return h ^ (k.a * 2654435761u) ^ (k.b * 40503u) ^ (k.name ? 0x9E3779B9u : 0);
}

bool Same(const XmlKey& x, const XmlKey& y) {
  if (x.a != y.a || x.b != y.b || !x.name != !y.name) return false;
  return !x.name || strcmp(x.name, y.name) == 0;
}

XmlKeySlot* Probe(XmlKeyTable* t, const XmlKey& key) {
  uint32_t s = Hash(key) & t->mask;
  while (t->slots[s].used && !Same(t->slots[s].key, key)) s = (s + 1) & t->mask;
  return &t->slots[s];
}

bool Grow(XmlKeyTable* t) {
  if (t->mask >= 0x3FFFFFFFu) return false;
  XmlKeyTable bigger{static_cast<XmlKeySlot*>(calloc(t->mask + 1, 2 * sizeof(XmlKeySlot))), t->mask * 2 + 1, t->size};
  if (!bigger.slots) return false;
  for (uint32_t s = 0; s <= t->mask; ++s) {
    if (t->slots[s].used) *Probe(&bigger, t->slots[s].key) = t->slots[s];
  }
  free(t->slots);
  *t = bigger;
  return true;
}

}  // namespace

int XmlKeyTableInit(XmlKeyTable* t, uint32_t expected) {
  uint32_t size = 16;
  while (size < expected * 2u && size < 0x40000000u) size *= 2;
  *t = XmlKeyTable{static_cast<XmlKeySlot*>(calloc(size, sizeof(XmlKeySlot))), size - 1, 0};
  return t->slots != nullptr;
}

void XmlKeyTableFree(XmlKeyTable* t) {
  free(t->slots);
  *t = XmlKeyTable{};
}

uint32_t* XmlKeyTableFind(XmlKeyTable* t, XmlKey key) {
  XmlKeySlot* slot = Probe(t, key);
  return slot->used ? &slot->value : nullptr;
}

int XmlKeyTableAdd(XmlKeyTable* t, XmlKey key, uint32_t value) {
  if ((t->size + 1) * 2 > t->mask + 1 && !Grow(t)) return 0;
  XmlKeySlot* slot = Probe(t, key);
  if (slot->used) return 1;
  *slot = XmlKeySlot{key, value, true};
  ++t->size;
  return 1;
}
