// Helpers shared by the XML library tests: a canonical dump of a tree and owned-pointer wrappers.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "xml/Xml.h"

namespace xmltest {

struct TreeDeleter {
  void operator()(XmlElement* e) const { XmlFreeTree(e); }
};
using Tree = std::unique_ptr<XmlElement, TreeDeleter>;

struct FreeDeleter {
  void operator()(void* p) const { free(p); }
};
using Owned = std::unique_ptr<char, FreeDeleter>;

inline std::string Str(const char* s) { return s ? s : "(null)"; }

// One line per node, indented by depth: `name[k=v ...] "text"` for elements, `#"text"` for text
// nodes, `#old"value"` for older-form text nodes. Iterative, so deep trees are fine.
inline std::string Dump(XmlElement* top) {
  std::string out;
  int depth = 0;
  XmlElement* e = top;
  while (e) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    if (e->name) {
      out += e->name;
      for (XmlAttribute* a = e->attributes; a; a = a->next) out += " " + Str(a->name) + "=" + Str(a->value);
    } else if (e->attributes && !e->attributes->name) {
      out += "#old\"" + Str(e->attributes->value) + "\"";
    } else {
      out += "#";
    }
    if (e->text) out += " \"" + std::string(e->text) + "\"";
    out += "\n";
    if (XmlFirstChild(e)) {
      e = XmlFirstChild(e);
      ++depth;
      continue;
    }
    while (e != top && !XmlNextSibling(e)) {
      e = XmlParent(e);
      --depth;
    }
    e = e == top ? nullptr : XmlNextSibling(e);
  }
  return out;
}

inline std::string DumpOrNull(XmlElement* e) { return e ? Dump(e) : "(null)"; }

inline std::string LoadDump(const std::string& xml) {
  Tree t(XmlLoadString(xml.c_str()));
  return DumpOrNull(t.get());
}

inline int ChildCount(XmlElement* e) {
  int n = 0;
  for (XmlElement* c = XmlFirstChild(e); c; c = XmlNextSibling(c)) ++n;
  return n;
}

}  // namespace xmltest
