// XWB documents the user opens, of any bytes: the conference board reads them (a refused one
// leaves the board), shows them, and what it then saves reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzBoards.h"
#include "whiteboard/surface/DrawSurface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzboards::Reset();
  CDrawSurface* surface = fuzzboards::Surface(0);
  // Half the inputs get a proper 46-character head, so that the XML itself is reached.
  std::string doc(reinterpret_cast<const char*>(data), size);
  if (size > 0 && (data[0] & 1)) {
    std::string head = "WB" + std::string(44, ' ');
    doc = head + doc.substr(1);
    for (int i = 0; i < 4; ++i) doc[2 + i] = (char)((doc.size() >> (8 * i)) & 0xFF);
  }
  if (!surface->ReadXwbDocument(doc.data(), doc.size())) {
    if (surface->m_listPages.GetCount() != 1) abort();  // a refused document leaves the board
    return 0;
  }
  surface->m_nCurPageNo = 1;
  fuzzboards::Paint(0);
  CString saved = surface->WriteXwbDocument();
  if (!surface->ReadXwbDocument(saved, saved.GetLength())) abort();
  return 0;
}
