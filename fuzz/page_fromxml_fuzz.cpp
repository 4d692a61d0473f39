// Reading a page from any XML (saved documents, received page content): every input reads
// without a fault, and what was read writes out as XML that loads and reads again.
#include <cstddef>
#include <cstdint>

#include "platform/ui/MessageBox.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/model/StrokePage.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Hand pointers read "Hand.bmp" from the application folder.
  VzData().csAppPath = TAV_APP_PICTURES_DIR;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  XmlElement* root = XmlLoadBuffer(reinterpret_cast<const char*>(data), (uint32_t)size);
  if (!root) return 0;
  CStrokePage page;
  page.FromXml(root);
  XmlFreeTree(root);
  CString written = page.ToXml(0);
  if (XmlElement* again = XmlLoadString(written)) {
    CStrokePage reread;
    reread.FromXml(again);
    XmlFreeTree(again);
  }
  platform::MessageBoxes::Reset();  // boxes of pictures that did not load
  return 0;
}
