#include "whiteboard/windows/WbBoardWindow.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/ModuleLog.h"
#include "module/TavorineModule.h"
#include "platform/Mbcs.h"
#include "whiteboard/model/GdipImage.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/WbBlockPool.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/model/WbStrokeRecords.h"
#include "whiteboard/model/WbXmlText.h"
#include "whiteboard/surface/DrawSurface.h"
#include "whiteboard/surface/ObjectPayloads.h"
#include "whiteboard/windows/ColorBarDlg.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"
#include "whiteboard/windows/WbMsgHeaders.h"
#include "whiteboard/windows/WbToolButtons.h"

namespace {

const int kPageControls[] = {IDC_WB_PAGE_NO, IDC_WB_PAGE_NO2, IDC_WB_PAGE_COUNT};

// The ids of a page's objects, for telling in constant time whether an id is taken: open
// addressing over one array of hashes and pointers, which stays compact for pages of a hundred
// thousand objects.
class IdSet {
 public:
  explicit IdSet(size_t expected) {
    size_t size = 1024;
    while (size < expected * 2) size *= 2;
    slots_.assign(size, Slot());
  }
  // Adds the id (which must outlive the set); FALSE when it was there already.
  bool Insert(const char* id) {
    if (count_ * 2 >= slots_.size()) Grow();
    return Place(Slot{Hash(id), id}, true);
  }

 private:
  struct Slot {
    uint32_t hash = 0;
    const char* id = nullptr;
  };
  static uint32_t Hash(const char* id) {
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < WB_ID_LEN - 1 && id[i]; ++i) h = (h ^ (unsigned char)id[i]) * 16777619u;
    return h;
  }
  bool Place(Slot slot, bool compare) {
    size_t mask = slots_.size() - 1;
    for (size_t i = slot.hash & mask;; i = (i + 1) & mask) {
      Slot& s = slots_[i];
      if (!s.id) {
        s = slot;
        ++count_;
        return true;
      }
      if (compare && s.hash == slot.hash && strncmp(s.id, slot.id, WB_ID_LEN - 1) == 0) return false;
    }
  }
  void Grow() {
    std::vector<Slot> old(slots_.size() * 4);
    old.swap(slots_);
    count_ = 0;
    for (const Slot& slot : old)
      if (slot.id) Place(slot, false);
  }
  std::vector<Slot> slots_;
  size_t count_ = 0;
};

}  // namespace

CWbBoardWindow::CWbBoardWindow(UINT templateId) : CDialog(templateId) {
  MapMessage(WM_WB_CAPTURE_DONE, [this](WPARAM w, LPARAM l) { return OnMyHookMsg(w, l); });
}

BOOL CWbBoardWindow::CreateSurface(CDrawSurface* surface, UINT templateId, const char* className) {
  GdiplusInit();  // pictures and captures go through GDI+
  if (!surface->Create(templateId, this)) {
    ModuleLog(CString(className) + " Create Failed!\n");
    delete surface;
    return FALSE;
  }
  if (CWnd* frame = GetDlgItem(IDC_WB_SURFACE_FRAME)) {
    CRect r;
    frame->GetWindowRect(&r);
    ScreenToClient(&r);
    surface->MoveWindow(&r);
  }
  m_pCurToolBtn = GetDlgItem(IDC_WB_SELECT_TOOL);
  if (m_pCurToolBtn) m_pCurToolBtn->EnableWindow(FALSE);
  return TRUE;
}

void CWbBoardWindow::DeleteSurface(CDrawSurface* surface) {
  if (!surface) return;
  surface->DestroyWindow();
  delete surface;
}

void CWbBoardWindow::PlaceColorBar(CColorBarDlg* bar, UINT templateId) {
  if (!bar->Create(templateId, this)) {
    ModuleLog("CColorBarDlg Create Failed!\n");
    delete bar;
    return;
  }
  m_pColorBar = bar;
  if (CWnd* frame = GetDlgItem(IDC_WB_COLOR_BAR_FRAME)) {
    CRect r;
    frame->GetWindowRect(&r);
    ScreenToClient(&r);
    bar->MoveWindow(&r);
  }
}

void CWbBoardWindow::DeleteColorBar() {
  if (!m_pColorBar) return;
  m_pColorBar->DestroyWindow();
  delete m_pColorBar;
  m_pColorBar = nullptr;
}

void CWbBoardWindow::DispatchBoardRecord(void* record) {
  CDrawSurface* surface = BoardSurface();
  if (surface && surface->m_hWnd) surface->SendMessage(WM_WB_BOARD_METHOD, (WPARAM)record, 0);
}

// ---- Received records ----

void CWbBoardWindow::OnBoardStyle(void* record) {
  // A received record carries the numbers one host word further on than a sent header.
  const WbRecvMsgHeader* header = static_cast<const WbRecvMsgHeader*>(record);
  for (int i = 0; i < WB_STYLE_NUMBERS; ++i) {
    char field[WB_NUMBER_LEN];
    memcpy(field, header->szBoardStyle[i], WB_NUMBER_LEN);
    field[WB_NUMBER_LEN - 1] = 0;
    if (field[0]) m_anBoardStyle[i] = ReadXmlDecimal(field);  // an empty field keeps its number
  }
}

void CWbBoardWindow::OnBoardSync(void* record) {
  CDrawSurface* surface = BoardSurface();
  if (!surface || !surface->ApplyBoardContent(record))
    ModuleLog("CWbBoardWindow::OnBoardSync(a synchronisation without content)\n");
}

void CWbBoardWindow::OnBoardClosed(int) {
  ClearBoard();
  CDrawSurface* surface = BoardSurface();
  if (!surface) return;
  surface->SetCanvasSize(0, 0);
  surface->RecalcScrollBars(TRUE);
  surface->Invalidate(TRUE);
}

int CWbBoardWindow::ClearBoard() {
  if (CDrawSurface* surface = BoardSurface()) surface->ResetBoard();
  for (int id : kPageControls) SetDlgItemText(id, "");
  return 1;
}

void CWbBoardWindow::OnPageContent(void* record) {
  const WbRecvMsgHeader* header = static_cast<const WbRecvMsgHeader*>(record);
  CDrawSurface* surface = BoardSurface();
  CStrokePage* page = surface ? surface->m_pCurPage : nullptr;
  if (!header || !page || !header->pPageOp) return;
  // An object already on the page, or named twice in the record, is taken once: the ids are
  // looked up in a set rather than by walking the page for every object.
  IdSet ids((size_t)page->m_listStroke.GetCount());
  for (POSITION pos = page->m_listStroke.GetHeadPosition(); pos;)
    ids.Insert(static_cast<CStrokeBase*>(page->m_listStroke.GetNext(pos))->m_szID);
  for (const WbListNode* node = header->pPageOp->pList; node; node = node->pNext) {
    CStrokeBase* stroke = node->pItem ? NewStrokeFromPayload(node->pItem, this) : nullptr;
    if (stroke && ids.Insert(stroke->m_szID))
      page->m_listStroke.AddTail(stroke);
    else
      delete stroke;
  }
  ShowReceivedPage(header->pPageOp->nPage);
}

void CWbBoardWindow::OnStrokeAdd(void* payload, CStrokePage* page) {
  if (!payload || !page) return;
  CStrokeBase* stroke = NewStrokeFromPayload(payload, this);
  if (!stroke) return;
  if (FindStrokeById(page, stroke->m_szID)) {
    delete stroke;  // the object is already there
    return;
  }
  page->AddStroke(stroke);
}

void CWbBoardWindow::OnStrokeModify(void* payload, CStrokePage* page) {
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  CStrokeBase* stroke = head ? FindStrokeById(page, head->szID) : nullptr;
  if (!stroke) return;
  int32_t subOp = head->nSubOp;
  if (subOp == WB_SUBOP_TO_FRONT)
    page->BringToFront(stroke);
  else if (subOp == WB_SUBOP_TO_BACK)
    page->SendToBack(stroke);
  else {
    ApplyPayloadToStroke(stroke, payload);
    page->StrokeChanged(stroke);
  }
}

int CWbBoardWindow::OnStrokeDelete(void* payload, CStrokePage* page) {
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  CStrokeBase* stroke = head ? FindStrokeById(page, head->szID) : nullptr;
  return stroke && page->DeleteStroke(stroke) ? 1 : 0;
}

// ---- Records the window sends ----

int CWbBoardWindow::SendStroke(CStrokeBase* stroke) {
  CDrawSurface* surface = BoardSurface();
  if (!stroke || !surface) return 0;
  WbMsgHeader* header = NewBoardHeader(WB_MSG_OBJECT_DELETE, (DWORD)surface->BoardPageCount());
  return FillDeletion(header, stroke) ? SendBoardMessage(header) : 0;
}

int CWbBoardWindow::SendBoardMessage(WbMsgHeader* header) {
  int result = CanSend() ? SendToHost(ConfType(), header) : 0;
  FreeWbMessage(header);
  return result;
}

CString CWbBoardWindow::GetWbConfURI() const { return ::GetWbConfURI(); }

int CWbBoardWindow::SendToHost(int confType, void* record) {
  CTavorineModule* module = TavorineModule();
  return module ? module->IMSSend2MrsMethod(confType, WB_MRS_METHOD, record) : 0;
}

INT_PTR CWbBoardWindow::RunPopupDialog(CDialog& dialog) {
  CTavorineModule* module = TavorineModule();
  return module ? module->RunPopupDialog(dialog) : IDCANCEL;
}

void CWbBoardWindow::SendPageContent(int nPage) {
  CDrawSurface* surface = BoardSurface();
  if (!surface) return;
  WbBlockPool pool;  // the page's many blocks, freed together after the send
  WbMsgHeader* header = NewBoardHeader(WB_MSG_PAGE_CONTENT, (DWORD)surface->BoardPageCount());
  if (FillPageContent(header, nPage)) SendBoardMessage(header);
}

BOOL CWbBoardWindow::FillDeletion(WbMsgHeader* header, CStrokeBase* stroke) {
  CDrawSurface* surface = BoardSurface();
  WbPageOpRecord* pageOp = header && surface ? NewWbPageOpRecord() : nullptr;
  WbListNode* node = pageOp ? NewWbListNode() : nullptr;
  void* payload = node ? NewDeletionPayload(stroke) : nullptr;
  if (header) header->pPageOp = pageOp;
  if (pageOp) pageOp->pList = node;
  if (node) node->pItem = payload;
  if (!payload) {
    FreeWbMessage(header);
    return FALSE;
  }
  pageOp->nPage = surface->m_nCurPageNo;
  pageOp->nOp = WB_PAGEOP_OBJECT;
  pageOp->bNewPage = 0;
  return TRUE;
}

BOOL CWbBoardWindow::FillPageContent(WbMsgHeader* header, int nPage) {
  CDrawSurface* surface = BoardSurface();
  CStrokePage* page = surface ? surface->GetPageByNumber(nPage) : nullptr;
  WbPageOpRecord* pageOp = header && page ? NewWbPageOpRecord() : nullptr;
  if (!pageOp) {
    FreeWbMessage(header);
    return FALSE;
  }
  header->pPageOp = pageOp;
  pageOp->nPage = nPage;
  pageOp->nOp = WB_PAGEOP_PAGE_CONTENT;
  pageOp->bNewPage = 0;
  WbListNode** tail = &pageOp->pList;  // appended at the end without walking the list
  for (POSITION pos = page->m_listStroke.GetHeadPosition(); pos;) {
    void* payload = NewObjectPayload(static_cast<CStrokeBase*>(page->m_listStroke.GetNext(pos)));
    if (!payload) continue;  // the background travels with the page's document, not here
    WbListNode* node = NewWbListNode();
    if (!node) {
      FreeWbPayload(payload);
      FreeWbMessage(header);
      return FALSE;
    }
    node->pItem = payload;
    *tail = node;
    tail = &node->pNext;
  }
  return TRUE;
}

// ---- Controls ----

void CWbBoardWindow::ReturnToSelectTool() {
  CWnd* select = GetDlgItem(IDC_WB_SELECT_TOOL);
  if (!select) return;
  select->EnableWindow(FALSE);
  if (m_pCurToolBtn && m_pCurToolBtn != select) m_pCurToolBtn->EnableWindow(TRUE);
  m_pCurToolBtn = select;
}

void CWbBoardWindow::ShowSelectedColor(COLORREF color) {
  m_crCurColor = color;
  if (m_pColorBar) return m_pColorBar->ShowCurrentColor(color);
  if (CWnd* button = GetDlgItem(IDC_WB_CUR_COLOR)) button->Invalidate(TRUE);
}

void CWbBoardWindow::OnSelectedDeleted() {
  if (CWnd* select = GetDlgItem(IDC_WB_SELECT_TOOL)) select->SetFocus();
  if (CWnd* widths = GetDlgItem(IDC_WB_LINE_WIDTH)) {
    widths->ShowWindow(SW_HIDE);
    widths->EnableWindow(FALSE);
  }
}

void CWbBoardWindow::ShowReceivedPage(int page) {
  CString number;
  number.Format("%d", page);
  SetDlgItemText(IDC_WB_PAGE_NO, number);
  SetDlgItemText(IDC_WB_PAGE_NO2, number);
  CDrawSurface* surface = BoardSurface();
  CString count;
  count.Format("%d", surface ? surface->BoardPageCount() : 1);
  SetDlgItemText(IDC_WB_PAGE_COUNT, count);
}

int CWbBoardWindow::DisablePageControls() {
  EnablePageControls(FALSE);
  SetTimer(kWbTimerPageControls, kWbPageControlsDelayMs);
  return 1;
}

void CWbBoardWindow::EnablePageControls(BOOL enable) {
  for (int id : kPageControls)
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enable && (id != IDC_WB_PAGE_NO || MayTurnPages()));
}

void CWbBoardWindow::OnTimer(UINT_PTR id) {
  if (id != kWbTimerPageControls) return CDialog::OnTimer(id);
  KillTimer(kWbTimerPageControls);
  EnablePageControls(TRUE);
}

// ---- Tools, widths and pages ----

void CWbBoardWindow::AttachToolButtons() {
  for (int i = 0; i < kWbToolButtonCount; ++i) {
    const WbToolButton& button = kWbToolButtons[i];
    MapControl(BN_CLICKED, button.id, [this, button] { OnToolButton(button.id, button.tool); });
  }
}

void CWbBoardWindow::OnToolButton(int id, int tool) {
  CDrawSurface* surface = BoardSurface();
  CWnd* pressed = GetDlgItem(id);
  if (!surface || !pressed) return;
  surface->RemoveLaserStrokes();
  surface->m_nTool = tool;
  ShowLineWidthList();  // hidden after a deletion; the next tool draws with its width again
  if (m_pCurToolBtn && m_pCurToolBtn != pressed) m_pCurToolBtn->EnableWindow(TRUE);
  pressed->EnableWindow(FALSE);
  m_pCurToolBtn = pressed;
}

void CWbBoardWindow::ShowLineWidthList() {
  if (!m_listLineWidth.m_hWnd) return;
  m_listLineWidth.EnableWindow(TRUE);
  m_listLineWidth.ShowWindow(SW_SHOW);
}

void CWbBoardWindow::AttachLineWidthList() {
  CDrawSurface* surface = BoardSurface();
  if (!surface || !m_listLineWidth.SubclassDlgItem(IDC_WB_LINE_WIDTH, this)) return;
  m_listLineWidth.FillWidths(surface->m_nPenWidth);
  MapControl(LBN_SELCHANGE, IDC_WB_LINE_WIDTH, [this] { OnLineWidthChange(); });
}

void CWbBoardWindow::OnLineWidthChange() {
  int width = m_listLineWidth.GetSelectedWidth();
  if (width != LB_ERR && BoardSurface()) BoardSurface()->m_nPenWidth = width;
}

void CWbBoardWindow::AttachNewPageButton() {
  MapControl(BN_CLICKED, IDC_WB_NEW_PAGE, [this] { OnNewPage(); });
}

void CWbBoardWindow::OnNewPage() {
  CDrawSurface* surface = BoardSurface();
  if (!surface || !MayTurnPages()) return;
  surface->CancelTextEdit();
  int count = surface->BoardPageCount() + 1;  // after every page of the board, held or not
  surface->AppendCanvasPage(count);
  surface->SetScrollOrigin(0, 0);
  surface->Invalidate(TRUE);
  CString number;
  number.Format("%d", count);
  SetDlgItemText(IDC_WB_PAGE_NO, number);
  SetDlgItemText(IDC_WB_PAGE_COUNT, number);
  WbMsgHeader* header = NewBoardHeader(WB_MSG_PAGE_ADD, (DWORD)count);
  WbPageOpRecord* pageOp = header ? NewWbPageOpRecord() : nullptr;
  if (!pageOp) {
    FreeWbMessage(header);
    return;
  }
  header->pPageOp = pageOp;
  pageOp->nPage = count;
  pageOp->nOp = WB_PAGEOP_NEW_PAGE;
  pageOp->bNewPage = 1;
  SendBoardMessage(header);
}

int CWbBoardWindow::SendBoardStyle() {
  CDrawSurface* surface = BoardSurface();
  WbMsgHeader* header = surface ? NewBoardHeader(WB_MSG_BOARD_STYLE, (DWORD)-1) : nullptr;
  if (!header) return 0;
  CSize canvas = surface->GetCanvasSize();
  const int numbers[WB_STYLE_NUMBERS] = {surface->m_nTool, (int)surface->m_crColor, surface->m_nPenWidth,
                                          canvas.cx, canvas.cy, surface->m_nCurPageNo};
  for (int i = 0; i < WB_STYLE_NUMBERS; ++i) {
    CString text;
    text.Format("%d", numbers[i]);
    mbcs::CopyLimited(header->szBoardStyle[i], WB_NUMBER_LEN, text);
  }
  return SendBoardMessage(header);
}

int CWbBoardWindow::RequestBoardContent() {
  WbMsgHeader* header = BoardSurface() ? NewBoardHeader(WB_MSG_REQUEST_SYNC, (DWORD)-1) : nullptr;
  return header ? SendBoardMessage(header) : 0;
}
