// Library-internal: the steps of building a template from a schema.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xml/XmlNode.h"
#include "xml/XmlTree.h"

// What a template may grow to; hostile schemas (types used inside types) grow exponentially.
struct XsdBudget {
  uint32_t nodes;
  size_t bytes;
  // Counts one template node with these strings; false once a limit is passed.
  bool Take(const XmlNodeRecord* node);
  bool TakeBytes(size_t n);
};

// Walks the schema breadth first and appends one node per declaration. basic: exact names only.
int XsdWalk(XmlElement* root, XmlNode* list, bool basic, XsdBudget* budget);
// Expands the elements typed with named complex types, then removes the used type definitions.
int XsdExpand(XmlNode* list, XsdBudget* budget);
