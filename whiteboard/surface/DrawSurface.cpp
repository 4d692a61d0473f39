// The surface's pages, canvas, scrolling, painting and keys.
#include "whiteboard/surface/DrawSurface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/Dc.h"
#include "platform/ui/WindowSurface.h"
#include "whiteboard/model/GestureShared.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/StrokeText.h"
#include "whiteboard/model/WbBoardChannel.h"

namespace {

const COLORREF kCanvasColor = 0xFFFFFF;
const COLORREF kBandColor = RGB(70, 70, 70);
const int kLineStep = 10;
const int kPageStep = 100;
const int kWheelStep = 20;
const int kNewPageWidth = 1600;
const int kNewPageHeight = 1200;

}  // namespace

CDrawSurface::CDrawSurface(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
  MapMessage(WM_WB_BOARD_METHOD, &CDrawSurface::OnBoardMethod);
  MapMessage(WM_PRINTCLIENT, &CDrawSurface::OnPrintClient);
  MapMessage(WM_WB_GET_PAGE_XML, &CDrawSurface::OnGetPageXml);
  MapMessage(WM_WB_GET_BOARD_XML, &CDrawSurface::OnGetBoardXml);
  MapCommand(ID_WB_DELETE_OBJECT, &CDrawSurface::OnDeleteObject);
  MapCommand(ID_WB_BRING_TO_FRONT, &CDrawSurface::OnBringToFront);
  MapCommand(ID_WB_SEND_TO_BACK, &CDrawSurface::OnSendToBack);
  MapCommand(ID_WB_EDIT_TEXT, &CDrawSurface::OnEditText);
  MapCommand(ID_WB_TEXT_FONT, &CDrawSurface::OnTextFont);
}

CDrawSurface::~CDrawSurface() {
  CancelTextEdit();
  DeleteAllPages();
}

BOOL CDrawSurface::OnInitDialog() {
  CDialog::OnInitDialog();
  return TRUE;
}

// ---- Pages ----

CStrokePage* CDrawSurface::GetPageByNumber(int nPage) {
  int count = m_listPages.GetCount();
  if (nPage == 0 || count == 0) return nullptr;
  if (count == 1) return m_pCurPage;
  return FindPage(nPage);
}

CStrokePage* CDrawSurface::FindPage(int nPage) const {
  for (POSITION pos = m_listPages.GetHeadPosition(); pos;) {
    CStrokePage* page = static_cast<CStrokePage*>(m_listPages.GetNext(pos));
    if (page->m_nNumber == nPage) return page;
  }
  return nullptr;
}

int CDrawSurface::BoardPageCount() const {
  int last = m_listPages.IsEmpty() ? 0 : static_cast<CStrokePage*>(m_listPages.GetTail())->m_nNumber;
  return std::max(last, m_nKnownPageCount);
}

void CDrawSurface::TurnToPage(CStrokePage* page, int nPage) {
  m_nCurPageNo = nPage;
  CancelTextEdit();
  m_pCurPage = page;
  RecalcScrollBars(TRUE);
  SetScrollOrigin(0, 0);
  Invalidate(TRUE);
}

void CDrawSurface::DeleteAllPages() {
  for (POSITION pos = m_listPages.GetHeadPosition(); pos;) delete static_cast<CStrokePage*>(m_listPages.GetNext(pos));
  m_listPages.RemoveAll();
}

void CDrawSurface::ResetBoard() {
  RemoveAllPages();
  m_ptDown = {0, 0};
}

void CDrawSurface::RemoveAllPages() {
  DeleteAllPages();
  m_pCurPage = nullptr;
  ForgetAllStrokes();
}

CStrokePage* CDrawSurface::NewPage() {
  CStrokePage* page = new CStrokePage(Channel());
  page->SetRemovalListener(this);
  return page;
}

CStrokePage* CDrawSurface::AppendNewPage() {
  CStrokePage* page = NewPage();
  page->m_nNumber = m_listPages.IsEmpty() ? 1 : static_cast<CStrokePage*>(m_listPages.GetTail())->m_nNumber + 1;
  m_listPages.AddTail(page);
  m_pCurPage = page;
  return page;
}

CStrokePage* CDrawSurface::AppendCanvasPage(int number) {
  CStrokePage* page = NewPage();
  page->m_nNumber = number;
  POSITION pos = m_listPages.GetTailPosition();
  while (pos && static_cast<CStrokePage*>(m_listPages.GetAt(pos))->m_nNumber > number) m_listPages.GetPrev(pos);
  if (pos) m_listPages.InsertAfter(pos, page);
  else m_listPages.AddHead(page);
  m_pCurPage = page;
  m_nCurPageNo = number;
  SetCanvasSize(kNewPageWidth, kNewPageHeight);
  RecalcScrollBars(TRUE);
  return page;
}

// ---- Canvas and scrolling ----

int CDrawSurface::RecalcScrollBars(BOOL bResetOrigin) {
  // Showing or hiding a bar resizes the client, whose WM_SIZE comes back here.
  if (m_bLayingOutBars || !m_hWnd) return 0;
  m_bLayingOutBars = TRUE;
  if (bResetOrigin) m_ptOrigin = {0, 0};
  CSize canvas = GetCanvasSize();
  for (int bar : {SB_HORZ, SB_VERT}) {
    CRect client;
    GetClientRect(&client);
    int extent = bar == SB_HORZ ? canvas.cx : canvas.cy;
    int view = bar == SB_HORZ ? client.Width() : client.Height();
    LONG& origin = bar == SB_HORZ ? m_ptOrigin.x : m_ptOrigin.y;
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    if (extent <= view) {
      SetScrollInfo(bar, &info, TRUE);
      origin = 0;
      ShowScrollBar(bar, FALSE);
      continue;
    }
    ShowScrollBar(bar, TRUE);
    EnableScrollBar(bar, ESB_ENABLE_BOTH);
    GetClientRect(&client);
    view = bar == SB_HORZ ? client.Width() : client.Height();
    int pos = origin;
    if (extent - pos < view) pos = extent - view;
    info.nMax = extent;
    info.nPage = (UINT)view;
    info.nPos = pos;
    SetScrollInfo(bar, &info, TRUE);
    origin = GetScrollPos(bar);
  }
  Invalidate(FALSE);
  m_bLayingOutBars = FALSE;
  return 1;
}

int CDrawSurface::SetScrollOrigin(int x, int y) {
  m_ptOrigin = {x, y};
  for (int bar : {SB_HORZ, SB_VERT}) {
    int minPos = 0, maxPos = 0;
    GetScrollRange(bar, &minPos, &maxPos);
    SetScrollPos(bar, minPos, TRUE);
  }
  g_ptScrollOrigin = CPoint(0, 0);
  return 1;
}

void CDrawSurface::ApplyOriginToBars() {
  SetScrollPos(SB_HORZ, m_ptOrigin.x, TRUE);
  SetScrollPos(SB_VERT, m_ptOrigin.y, TRUE);
  g_ptScrollOrigin = CPoint(m_ptOrigin);
}

void CDrawSurface::ScrollTo(int bar, int pos) {
  SetScrollPos(bar, pos, TRUE);
  LONG& origin = bar == SB_HORZ ? m_ptOrigin.x : m_ptOrigin.y;
  origin = GetScrollPos(bar);
  g_ptScrollOrigin = CPoint(m_ptOrigin);
  // An open text edit follows its object.
  if (m_pEdit && m_pEditText) {
    CRect r(ToClient(m_pEditText->m_rcDraw));
    r.NormalizeRect();
    m_pEdit->MoveWindow(&r);
  }
  Invalidate(FALSE);
}

void CDrawSurface::OnScroll(int bar, UINT code) {
  SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(bar, &info)) return;
  int pos = info.nPos;
  bool edgesStep = bar == SB_HORZ;  // the horizontal bar's edges move one step only
  switch (code) {
    case SB_LINEUP: pos = std::max(info.nMin, pos - kLineStep); break;
    case SB_LINEDOWN: pos = std::min(info.nMax, pos + kLineStep); break;
    case SB_PAGEUP: pos = std::max(info.nMin, pos - kPageStep); break;
    case SB_PAGEDOWN: pos = std::min(info.nMax, pos + kPageStep); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = info.nTrackPos; break;
    case SB_TOP: pos = edgesStep ? std::max(info.nMin, pos - kLineStep) : info.nMin; break;
    case SB_BOTTOM: pos = edgesStep ? std::min(info.nMax, pos + kLineStep) : info.nMax; break;
    default: return;
  }
  ScrollTo(bar, pos);
}

void CDrawSurface::OnHScroll(UINT code, UINT, CWnd*) { OnScroll(SB_HORZ, code); }

void CDrawSurface::OnVScroll(UINT code, UINT, CWnd*) { OnScroll(SB_VERT, code); }

BOOL CDrawSurface::OnMouseWheel(UINT, short delta, CPoint) {
  SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(SB_VERT, &info)) return TRUE;
  // One message moves one step, whatever the size of the delta.
  int pos = delta < 0 ? std::min(info.nMax, info.nPos + kWheelStep) : std::max(info.nMin, info.nPos - kWheelStep);
  ScrollTo(SB_VERT, pos);
  return TRUE;
}

void CDrawSurface::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (!m_listPages.IsEmpty()) RecalcScrollBars(FALSE);
}

// ---- Painting ----

// Only the update region is painted: the objects that reach into it are drawn into the kept
// canvas bitmap over white, and its rectangles are copied to the window. The pixels are those
// of a repaint of everything.
void CDrawSurface::OnPaint() {
  CRgn region;
  int kind = GetUpdateRgn(&region);
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  if (kind == NULLREGION) region.CreateRectRgnIndirect(&dc.m_rcPaint);  // painted without an update
  CRgn inside;
  inside.CreateRectRgnIndirect(&client);
  if (region.CombineRgn(&region, &inside, RGN_AND) == NULLREGION) return;
  PaintRegion(&dc, region);
  dc.SelectClipRgn(&region);
  if (m_pTextTracker) m_pTextTracker->Draw(&dc);
  DrawBand(&dc);
}

// Each object that reaches the region is drawn once, clipped to the whole region: the rasteriser
// paints each of its rectangles on its own, and an object reaching several of them (the strips
// of a selection frame) costs one drawing.
void CDrawSurface::PaintRegion(CDC* dc, const CRgn& update) {
  std::vector<RECT> parts = update.Pixels().Rectangles();
  for (const RECT& part : parts) dc->FillSolidRect(&part, kCanvasColor);  // the background erase
  CDC mem;
  if (m_listPages.IsEmpty() || !m_pCurPage || !mem.CreateCompatibleDC(dc) || !PrepareCanvasBitmap(dc)) return;
  CBitmap* old = mem.SelectObject(&m_canvasBitmap);
  CRgn area;
  area.CreateFromPixels(update.Pixels());
  area.OffsetRgn(m_ptOrigin.x, m_ptOrigin.y);
  mem.SelectClipRgn(&area);  // the rasteriser cuts every figure to the region
  std::vector<RECT> doc = area.Pixels().Rectangles();
  for (const RECT& part : doc) mem.FillSolidRect(&part, kCanvasColor);
  DrawPage(&mem, doc);
  for (const RECT& part : parts)
    dc->BitBlt(part.left, part.top, part.right - part.left, part.bottom - part.top, &mem, part.left + m_ptOrigin.x,
               part.top + m_ptOrigin.y, SRCCOPY);
  mem.SelectObject(old);
}

LRESULT CDrawSurface::OnPrintClient(WPARAM hdc, LPARAM) {
  CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(hdc));
  if (!dc) return 0;
  CSize canvas = GetCanvasSize();
  dc->FillSolidRect(0, 0, canvas.cx, canvas.cy, kCanvasColor);
  if (m_listPages.IsEmpty() || !m_pCurPage) return 0;
  BOOL printing = dc->m_bPrinting;
  dc->m_bPrinting = TRUE;
  DrawPage(dc, {CRect(0, 0, canvas.cx, canvas.cy)});
  dc->m_bPrinting = printing;
  return 0;
}

namespace {

// The text into a caller's buffer of `size` bytes (zero-terminated, cut to fit); its length.
LRESULT CopyOut(const CString& text, WPARAM size, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (out && size > 0) {
    size_t n = std::min<size_t>(size - 1, (size_t)text.GetLength());
    memcpy(out, (LPCTSTR)text, n);
    out[n] = 0;
  }
  return text.GetLength();
}

}  // namespace

LRESULT CDrawSurface::OnGetPageXml(WPARAM size, LPARAM buffer) {
  return m_pCurPage ? CopyOut(m_pCurPage->ToXml(0), size, buffer) : 0;
}

LRESULT CDrawSurface::OnGetBoardXml(WPARAM size, LPARAM buffer) {
  CString xml;
  for (POSITION pos = m_listPages.GetHeadPosition(); pos;) {
    CStrokePage* page = static_cast<CStrokePage*>(m_listPages.GetNext(pos));
    xml += page->ToXml(page->m_nNumber) + "\n";
  }
  return CopyOut(xml, size, buffer);
}

// The off-screen bitmap of the canvas, kept between paints while the canvas keeps its size.
BOOL CDrawSurface::PrepareCanvasBitmap(CDC* dc) {
  CSize canvas = GetCanvasSize();
  if (m_canvasBitmap.GetSafeHandle() && m_szCanvasBitmap == canvas) return TRUE;
  m_canvasBitmap.DeleteObject();
  m_szCanvasBitmap = CSize(0, 0);
  if (!m_canvasBitmap.CreateCompatibleBitmap(dc, canvas.cx, canvas.cy)) return FALSE;
  m_szCanvasBitmap = canvas;
  return TRUE;
}

void CDrawSurface::InvalidateStroke(CStrokeBase* stroke) {
  if (!stroke) return;
  RECT r = ToClient(StrokePaintExtent(stroke));
  InvalidateRect(&r, FALSE);
}

// The index finds what the objects' drawing reaches; a selection frame reaches beyond it, and
// only the marked objects show one.
std::vector<CStrokeBase*> CDrawSurface::ObjectsReaching(const std::vector<RECT>& areas) const {
  const CStrokeIndex& index = m_pCurPage->Index();
  std::vector<CStrokeBase*> reaching;
  index.Find(areas, &reaching);
  auto below = [&index](CStrokeBase* a, CStrokeBase* b) { return index.Order(a) < index.Order(b); };
  for (CStrokeBase* stroke : m_flagged) {
    RECT frame = StrokePaintExtent(stroke);
    if (!stroke->m_bSelected || !index.Contains(stroke) ||
        std::none_of(areas.begin(), areas.end(), [&frame](const RECT& a) { return RectsMeet(a, frame); }))
      continue;
    auto at = std::lower_bound(reaching.begin(), reaching.end(), stroke, below);
    if (at == reaching.end() || *at != stroke) reaching.insert(at, stroke);
  }
  return reaching;
}

void CDrawSurface::DrawPage(CDC* dc, const std::vector<RECT>& areas) {
  for (CStrokeBase* stroke : ObjectsReaching(areas)) {
    bool framed = stroke->m_bSelected && !dc->IsPrinting() && !IsLaserId(stroke->m_szID);
    RECT extent = StrokeDrawExtent(stroke);
    auto drawsInto = [stroke, &extent](const RECT& a) { return RectsMeet(a, extent) && stroke->DrawsInto(a); };
    if (!framed && std::none_of(areas.begin(), areas.end(), drawsInto)) continue;
    stroke->Draw(dc, &stroke->GetTracker()->m_rect);
    if (framed) stroke->GetTracker()->Draw(dc);
  }
}

void CDrawSurface::DrawBand(CDC* dc) {
  if (!m_pfnRubberBand) return;
  CPen pen(PS_SOLID, 1, kBandColor);
  CPen* old = dc->SelectObject(&pen);
  if (m_nTool == kToolPen || m_nTool == kToolHighlighter) {
    m_pfnRubberBand(dc, m_ptBandStart.x, m_ptBandStart.y, m_ptBandPrev.x, m_ptBandPrev.y);
  } else {
    int rop = dc->SetROP2(R2_XORPEN);
    m_pfnRubberBand(dc, m_ptBandStart.x, m_ptBandStart.y, m_ptBandCur.x, m_ptBandCur.y);
    dc->SetROP2(rop);
  }
  dc->SelectObject(old);
  m_pfnRubberBand = nullptr;
}

// ---- Keys ----

BOOL CDrawSurface::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_KEYDOWN && msg->hwnd == m_hWnd) {
    switch (msg->wParam) {
      case VK_PRIOR: OnScroll(SB_VERT, SB_PAGEUP); break;
      case VK_NEXT: OnScroll(SB_VERT, SB_PAGEDOWN); break;
      case VK_END: OnScroll(SB_VERT, SB_BOTTOM); break;
      case VK_HOME: OnScroll(SB_VERT, SB_TOP); break;
      case VK_LEFT: OnScroll(SB_HORZ, SB_LINELEFT); break;
      case VK_UP: OnScroll(SB_VERT, SB_LINEUP); break;
      case VK_RIGHT: OnScroll(SB_HORZ, SB_LINERIGHT); break;
      case VK_DOWN: OnScroll(SB_VERT, SB_LINEDOWN); break;
      case VK_DELETE: OnDeleteObject(); break;
      default: break;
    }
  }
  return CDialog::PreTranslateMessage(msg);
}

// ---- Sending ----

IWbBoardChannel* CDrawSurface::Channel() const {
  CSurfaceOwner* owner = Owner();
  return owner ? owner->BoardChannel() : nullptr;
}

BOOL CDrawSurface::CanSend() const {
  IWbBoardChannel* channel = Channel();
  return channel && channel->CanSend();
}

int CDrawSurface::SendToHost(void* record) {
  CSurfaceOwner* owner = Owner();
  IWbBoardChannel* channel = Channel();
  return owner && channel ? owner->SendToHost(channel->ConfType(), record) : 0;
}
