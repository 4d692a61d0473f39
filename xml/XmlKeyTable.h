// Library-internal: a hash table from (number, number, name) keys to numbers, for the lookups of
// the data binding. Names are borrowed, not copied; a NULL name is a key of its own.
#pragma once

#include <cstdint>

struct XmlKey {
  uint32_t a;
  uint32_t b;
  const char* name;
};

struct XmlKeySlot {
  XmlKey key;
  uint32_t value;
  bool used;
};

struct XmlKeyTable {
  XmlKeySlot* slots;
  uint32_t mask;
  uint32_t size;
};

int XmlKeyTableInit(XmlKeyTable* table, uint32_t expected);
void XmlKeyTableFree(XmlKeyTable* table);
// The value stored for key, or NULL.
uint32_t* XmlKeyTableFind(XmlKeyTable* table, XmlKey key);
// Stores value unless the key is present already; 0 when memory runs out.
int XmlKeyTableAdd(XmlKeyTable* table, XmlKey key, uint32_t value);
