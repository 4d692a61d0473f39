// XWB documents the user opens, of any bytes: the conference board reads them (a refused one
// leaves the board), shows them, and what it then saves reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzBoards.h"
#include "whiteboard/surface/DrawSurface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzboards::Reset();
  CDrawSurface* surface = fuzzboards::Surface(0);
  const char* doc = reinterpret_cast<const char*>(data);
  if (!surface->ReadXwbDocument(doc, size)) {
    if (surface->m_listPages.GetCount() != 1) abort();  // a refused document leaves the board
    return 0;
  }
  surface->m_nCurPageNo = 1;
  fuzzboards::Paint(0);
  CString saved = surface->WriteXwbDocument();
  if (!surface->ReadXwbDocument(saved, saved.GetLength())) abort();
  return 0;
}
