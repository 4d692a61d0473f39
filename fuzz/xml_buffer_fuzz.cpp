// XmlLoadBuffer on arbitrary bytes with their exact length (no terminator: the read must stay in
// bounds), including UTF-16 and GBK input; then the editing and query operations on the result.
#include <cstdint>

#include "fuzz/XmlFuzzCheck.h"

namespace {

// Whether the dotted selector can name e: no name on its way up holds a selector mark.
bool Selectable(XmlElement* e) {
  for (; e; e = XmlParent(e)) {
    const char* name = XmlElementName(e);
    if (!name || strpbrk(name, ".([]) ") || strlen(name) > 50) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  XmlElement* root = XmlLoadBuffer(reinterpret_cast<const char*>(data), static_cast<uint32_t>(size));
  if (!root) return 0;
  XmlElement* copy = XmlCopyElement(root, 1);
  xmlfuzz::Require(xmlfuzz::SameTree(root, copy), "a deep copy equals its original");
  XmlElement* last = root;
  while (XmlLastChild(last)) last = XmlLastChild(last);
  while (last && !XmlElementName(last)) last = XmlParent(last);
  if (Selectable(last)) {
    char* path = XmlLocationPath(last);
    xmlfuzz::Require(path && XmlSelect(root, path) == last, "a location path selects its element");
    free(path);
  }
  XmlElement* old = XmlCopyToOldForm(root);
  free(XmlElementToString(old));
  free(XmlElementToHtml(old));
  XmlFreeTree(old);
  XmlDeleteElement(XmlFirstChild(copy));
  XmlFreeTree(copy);
  XmlFreeTree(root);
  return 0;
}
