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
  // The first byte chooses: the bytes as they are; or the rest after a proper 46-character head,
  // bare, inside the document's root and style, or as the XML of its one page (so that the
  // readers behind the head are reached).
  std::string doc(reinterpret_cast<const char*>(data), size);
  int mode = size > 0 ? data[0] & 3 : 0;
  if (mode > 0) {
    std::string rest = doc.substr(1);
    if (mode == 2) rest = "<xwb oper=\"create\"><style><size>" + rest + "</xwb>";
    if (mode == 3)
      rest = "<xwb><style><size>1600*1200</size></style><pagecount>1</pagecount><page number=\"0\">" + rest +
             "</page></xwb>";
    doc = "WB" + std::string(44, ' ') + rest;
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
