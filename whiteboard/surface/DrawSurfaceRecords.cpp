// Received board records (WM_USER+1000) and the board as an XWB document.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "common/ModuleLog.h"

#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/WbStrokeRecords.h"
#include "whiteboard/surface/DrawSurface.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

const int kXwbHeaderLength = 46;
// The largest canvas side a document may ask for: the off-screen bitmap holds the canvas.
const long kMaxCanvasExtent = 4096;

// The first payload of a received record's list, or NULL.
void* FirstPayload(const WbPageOpRecord* pageOp) {
  return pageOp && pageOp->pList ? pageOp->pList->pItem : nullptr;
}

}  // namespace

LRESULT CDrawSurface::OnBoardMethod(WPARAM wParam, LPARAM) {
  WbRecvMsgHeader* record = reinterpret_cast<WbRecvMsgHeader*>(wParam);
  CSurfaceOwner* owner = Owner();
  if (!record || !owner) return 0;
  DWORD code = record->head.op;
  const WbPageOpRecord* pageOp = record->pPageOp;
  int page = pageOp ? pageOp->nPage : 0;
  if (!AcceptsRecord(code, page)) return 0;
  const int32_t count = record->nValue;
  m_nKnownPageCount = std::max(m_nKnownPageCount, (int)count);
  switch (code) {
    case WB_RECV_BOARD_STYLE: owner->OnBoardStyle(record); break;
    case WB_RECV_BOARD_SYNC: owner->OnBoardSync(record); break;
    case WB_RECV_BOARD_END:
      m_nKnownPageCount = 0;
      owner->OnBoardClosed(0);
      break;
    case WB_RECV_PAGE_ADD:
      OnContentChanged();
      ApplyNewPage(page, FALSE, record, KeepsReceivedPages());
      break;
    case WB_RECV_PAGE_DELETE: ApplyPageDelete(pageOp, count); break;
    case WB_RECV_PAGE_CONTENT: ApplyNewPage(page, TRUE, record, KeepsReceivedPages()); break;
    case WB_RECV_OBJECT_ADD:
    case WB_RECV_OBJECT_CHANGE:
    case WB_RECV_OBJECT_DELETE: ApplyObjectRecord(code, pageOp); return 0;  // it repaints what it touches
    default: break;
  }
  Invalidate(FALSE);
  return 0;
}

BOOL CDrawSurface::ApplyBoardContent(void* record) {
  const WbRecvMsgHeader* header = static_cast<const WbRecvMsgHeader*>(record);
  const WbPageOpRecord* pageOp = header ? header->pPageOp : nullptr;
  if (!pageOp || pageOp->nPage <= 0 || !Owner()) return FALSE;
  ApplyNewPage(pageOp->nPage, TRUE, record, FALSE);  // the answer to this member's own request
  return TRUE;
}

// Only the removal of the last page (page 1, one page) empties the board.
void CDrawSurface::ApplyPageDelete(const WbPageOpRecord* pageOp, int32_t count) {
  if (!pageOp || pageOp->nOp != WB_PAGEOP_DELETE_PAGE || pageOp->nPage != 1 || count != 1) return;
  OnContentChanged();
  m_nKnownPageCount = 0;
  Owner()->ClearBoard();
  CancelTextEdit();
  SetCanvasSize(0, 0);
  RecalcScrollBars(TRUE);
  Invalidate(TRUE);
}

// An object added, changed or deleted on its page (nothing when the page or payload is
// missing). On the page shown, the places the object leaves and takes are repainted.
void CDrawSurface::ApplyObjectRecord(DWORD code, const WbPageOpRecord* pageOp) {
  const int page = pageOp ? pageOp->nPage : 0;
  CStrokePage* target = KeepsReceivedPages() ? FindPage(page) : GetPageByNumber(page);
  void* payload = FirstPayload(pageOp);
  if (!target || !payload) return;
  OnContentChanged();
  const char* id = static_cast<const WbShapePayload*>(payload)->szID;
  const bool shown = target == m_pCurPage;
  if (shown) InvalidateStroke(FindStrokeById(target, id));
  CSurfaceOwner* owner = Owner();
  if (code == WB_RECV_OBJECT_ADD) owner->OnStrokeAdd(payload, target);
  if (code == WB_RECV_OBJECT_CHANGE) owner->OnStrokeModify(payload, target);
  if (code == WB_RECV_OBJECT_DELETE) owner->OnStrokeDelete(payload, target);
  if (shown)
    InvalidateStroke(FindStrokeById(target, id));
  else
    Invalidate(FALSE);
}

BOOL CDrawSurface::AcceptsRecord(DWORD code, int page) const {
  bool pageRecord = code == WB_RECV_BOARD_SYNC || code == WB_RECV_PAGE_ADD || code == WB_RECV_PAGE_CONTENT;
  if (pageRecord || page == m_nCurPageNo) return TRUE;
  return KeepsReceivedPages() && page > 0 && FindPage(page);  // a page held but not shown
}

// Codes 5 and 7: the board becomes one fresh current page numbered `page` (none for a
// content record of page 0). With keepPages the board keeps its other pages: a page it holds
// becomes current and takes the objects of the record it lacks, and no record empties it.
void CDrawSurface::ApplyNewPage(int page, BOOL withContent, void* record, BOOL keepPages) {
  CSurfaceOwner* owner = Owner();
  if (keepPages && page <= 0) return;
  if (m_bTracking && m_bHasSelection) owner->PageChangedWhileTracking() = TRUE;
  if (!keepPages) owner->ClearBoard();
  CancelTextEdit();
  if (withContent && page == 0) {
    m_nCurPageNo = page;
    SetCanvasSize(0, 0);
    RecalcScrollBars(TRUE);
    return;
  }
  if (CStrokePage* held = keepPages ? FindPage(page) : nullptr)
    TurnToPage(held, page);
  else
    AppendCanvasPage(page);
  SetScrollOrigin(0, 0);
  if (withContent) {
    owner->OnPageContent(record);
    RecalcScrollBars(FALSE);
  } else {
    owner->ShowReceivedPage(page);
  }
}

// ---- XWB documents ----

CString CDrawSurface::WriteXwbDocument() {
  CString doc('W', 1);
  doc += "B";
  doc += CString(' ', kXwbHeaderLength - 2);
  CSize canvas = GetCanvasSize();
  CString head;
  head.Format(
      "<xwb oper=\"create\" xmlns=\"dconf:doc:share\"><style><size>%d*%d</size><position x=\"100\" y=\"100\" "
      "width=\"600\" height=\"500\"></position><resolution>1024*768</resolution></style><pagecount>%d</pagecount>",
      (int)canvas.cx, (int)canvas.cy, m_listPages.GetCount());
  doc += head;
  long number = 0;
  for (POSITION pos = m_listPages.GetHeadPosition(); pos;)
    doc += static_cast<CStrokePage*>(m_listPages.GetNext(pos))->ToXml(number++);
  doc += "</xwb>";
  DWORD length = (DWORD)doc.GetLength();
  for (int i = 0; i < 4; ++i) doc.SetAt(2 + i, (char)((length >> (8 * i)) & 0xFF));
  return doc;
}

// The whole document is read before the board changes: a refused document leaves the board
// as it was.
BOOL CDrawSurface::ReadXwbDocument(const char* pszDoc, size_t nLength) {
  // The length in the header may hold zero bytes, so the caller gives the document's size.
  if (!pszDoc || nLength < (size_t)kXwbHeaderLength || nLength - kXwbHeaderLength > UINT32_MAX) {
    ModuleLog("[ERROR]ReadXwbDocument(the document is shorter than its header)\n");
    return FALSE;
  }
  XmlElement* root = XmlLoadBuffer(pszDoc + kXwbHeaderLength, (uint32_t)(nLength - kXwbHeaderLength));
  const char* name = XmlElementName(root);
  XwbContent content;
  BOOL ok = name && strcmp(name, "xwb") == 0;
  for (XmlElement* child = XmlFirstChildElement(root); child && ok; child = XmlNextSiblingElement(child))
    ok = ReadXwbChild(child, &content);
  XmlFreeTree(root);
  if (!ok) {
    ModuleLog("[ERROR]ReadXwbDocument(malformed document, the board is kept)\n");
    for (CStrokePage* page : content.pages) delete page;
    return FALSE;
  }
  RemoveAllPages();
  if (content.hasSize) SetCanvasSize(content.size.cx, content.size.cy);
  int number = 0;
  for (CStrokePage* page : content.pages) {
    page->m_nNumber = ++number;  // a document's pages are numbered in their order
    m_listPages.AddTail(page);
  }
  if (!m_listPages.IsEmpty()) {
    m_pCurPage = static_cast<CStrokePage*>(m_listPages.GetHead());
    RecalcScrollBars(TRUE);
    Invalidate(TRUE);
  }
  return TRUE;
}

// "width*height", each a decimal number of 0 to kMaxCanvasExtent; FALSE otherwise.
static BOOL ReadCanvasSize(const char* text, CSize* size) {
  long values[2] = {0, 0};
  const char* at = text;
  for (int i = 0; i < 2; ++i) {
    if (!at) return FALSE;
    char* end = nullptr;
    errno = 0;
    values[i] = strtol(at, &end, 10);
    if (end == at || errno == ERANGE || values[i] < 0 || values[i] > kMaxCanvasExtent) return FALSE;
    at = i == 0 ? strchr(end, '*') : nullptr;
    if (at) ++at;
  }
  *size = CSize((int)values[0], (int)values[1]);
  return TRUE;
}

// One child of the document's root; FALSE for a malformed size or page count.
BOOL CDrawSurface::ReadXwbChild(XmlElement* child, XwbContent* content) {
  const char* name = XmlElementName(child);
  if (!name) return TRUE;
  if (strcmp(name, "style") == 0) {
    for (XmlElement* item = XmlFirstChildElement(child); item; item = XmlNextSiblingElement(item)) {
      const char* itemName = XmlElementName(item);
      if (!itemName || strcmp(itemName, "size") != 0) continue;
      if (!ReadCanvasSize(XmlElementText(item), &content->size)) return FALSE;
      content->hasSize = TRUE;
    }
  } else if (strcmp(name, "pagecount") == 0) {
    const char* text = XmlElementText(child);
    if (!text || !*text) return FALSE;
  } else if (strcmp(name, "page") == 0) {
    CStrokePage* page = NewPage();
    page->FromXml(child);
    content->pages.push_back(page);
  }
  return TRUE;
}
