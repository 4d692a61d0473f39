#include "whiteboard/windows/DlgDFWhiteBoard.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "confwindow/DlgDataConf.h"
#include "module/ModuleLog.h"
#include "module/TavorineModule.h"
#include "res/WhiteboardTemplates.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/model/StrokePage.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/surface/DrawContentDlg.h"
#include "whiteboard/surface/ObjectPayloads.h"
#include "whiteboard/windows/WbMsgHeaders.h"
#include "whiteboard/windows/WbStrokeRecords.h"

namespace {

// The conference whiteboards that exist, for the record router.
std::vector<CDlgDFWhiteBoard*>& Boards() {
  static std::vector<CDlgDFWhiteBoard*> boards;
  return boards;
}

const int kPageControls[] = {IDC_WB_PAGE_NO, IDC_WB_PAGE_NO2, IDC_WB_PAGE_COUNT};

}  // namespace

CDlgDFWhiteBoard::CDlgDFWhiteBoard() : CDialog(IDD_DF_WHITEBOARD) {
  RegisterWhiteboardResources();
  Boards().push_back(this);
}

CDlgDFWhiteBoard::~CDlgDFWhiteBoard() {
  auto& boards = Boards();
  boards.erase(std::remove(boards.begin(), boards.end(), this), boards.end());
  if (m_pDrawContent) {
    m_pDrawContent->DestroyWindow();
    delete m_pDrawContent;
  }
  DestroyWindow();
}

BOOL CDlgDFWhiteBoard::CreateBoard(CWnd* parent) { return Create(IDD_DF_WHITEBOARD, parent); }

BOOL CDlgDFWhiteBoard::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pDrawContent = new CDrawContentDlg(this);
  m_pDrawContent->m_pOwner = this;
  if (!m_pDrawContent->Create(IDD_DRAW_CONTENT, this)) {
    ModuleLog("CDrawContentDlg Create Failed!\n");
    delete m_pDrawContent;
    m_pDrawContent = nullptr;
    return TRUE;
  }
  if (CWnd* frame = GetDlgItem(IDC_WB_SURFACE_FRAME)) {
    CRect r;
    frame->GetWindowRect(&r);
    ScreenToClient(&r);
    m_pDrawContent->MoveWindow(&r);
  }
  m_pCurToolBtn = GetDlgItem(IDC_WB_SELECT_TOOL);
  if (m_pCurToolBtn) m_pCurToolBtn->EnableWindow(FALSE);
  return TRUE;
}

// ---- Received records ----

void CDlgDFWhiteBoard::DispatchBoardRecord(void* record) {
  if (m_pDrawContent && m_pDrawContent->m_hWnd) m_pDrawContent->SendMessage(WM_WB_BOARD_METHOD, (WPARAM)record, 0);
}

CDlgDFWhiteBoard* CDlgDFWhiteBoard::FindForRecord(const void* record) {
  CTavorineModule* module = TavorineModule();
  CDlgDataConf* conf = module ? module->m_pDlgDataConf : nullptr;
  if (!record || !conf || Boards().empty()) return nullptr;
  int running = conf->GetSubConfID(kSubConfWhiteboard, FALSE);
  DWORD subConf = static_cast<const WbRecvMsgHeader*>(record)->head.nSubConfID;
  return running != -1 && (DWORD)running == subConf ? Boards().front() : nullptr;
}

BOOL RouteConfWhiteboardRecord(void* record) {
  CDlgDFWhiteBoard* board = CDlgDFWhiteBoard::FindForRecord(record);
  if (!board) return FALSE;
  board->DispatchBoardRecord(record);
  return TRUE;
}

void CDlgDFWhiteBoard::OnBoardStyle(void* record) {
  const BYTE* numbers = static_cast<const BYTE*>(record) + offsetof(WbMsgHeader, szBoardStyle);
  for (int i = 0; i < WB_STYLE_NUMBERS; ++i) {
    char field[WB_NUMBER_LEN];
    memcpy(field, numbers + i * WB_NUMBER_LEN, WB_NUMBER_LEN);
    field[WB_NUMBER_LEN - 1] = 0;
    m_anBoardStyle[i] = atoi(field);
  }
}

// A member asks for the board: it gets the page shown.
void CDlgDFWhiteBoard::OnBoardSync(void*) {
  if (m_pDrawContent && m_pDrawContent->m_pCurPage) SendPageContent(m_pDrawContent->m_nCurPageNo);
}

void CDlgDFWhiteBoard::OnBoardClosed(int) {
  ClearBoard();
  if (!m_pDrawContent) return;
  m_pDrawContent->SetCanvasSize(0, 0);
  m_pDrawContent->RecalcScrollBars(TRUE);
  m_pDrawContent->Invalidate(TRUE);
}

int CDlgDFWhiteBoard::ClearBoard() {
  if (m_pDrawContent) m_pDrawContent->ResetBoard();
  for (int id : kPageControls) SetDlgItemText(id, "");
  return 1;
}

void CDlgDFWhiteBoard::OnPageContent(void* record) {
  const WbRecvMsgHeader* header = static_cast<const WbRecvMsgHeader*>(record);
  CStrokePage* page = m_pDrawContent ? m_pDrawContent->m_pCurPage : nullptr;
  if (!header || !page || !header->pPageOp) return;
  for (const WbListNode* node = header->pPageOp->pList; node; node = node->pNext) OnStrokeAdd(node->pItem, page);
  ShowReceivedPage(header->pPageOp->nPage);
}

void CDlgDFWhiteBoard::OnStrokeAdd(void* payload, CStrokePage* page) {
  if (!payload || !page) return;
  CStrokeBase* stroke = NewStrokeFromPayload(payload, nullptr);
  if (!stroke) return;
  if (FindStrokeById(page, stroke->m_szID)) {
    delete stroke;  // the object is already there
    return;
  }
  page->m_listStroke.AddTail(stroke);
}

void CDlgDFWhiteBoard::OnStrokeModify(void* payload, CStrokePage* page) {
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  CStrokeBase* stroke = head ? FindStrokeById(page, head->szID) : nullptr;
  if (!stroke) return;
  int32_t subOp = head->nSubOp;
  if (subOp == WB_SUBOP_TO_FRONT || subOp == WB_SUBOP_TO_BACK) {
    CObList& list = page->m_listStroke;
    list.RemoveAt(list.Find(stroke));
    if (subOp == WB_SUBOP_TO_FRONT)
      list.AddTail(stroke);
    else if (page->m_pDocPage && !list.IsEmpty())
      list.InsertAfter(list.GetHeadPosition(), stroke);
    else
      list.AddHead(stroke);
    return;
  }
  ApplyPayloadToStroke(stroke, payload);
}

int CDlgDFWhiteBoard::OnStrokeDelete(void* payload, CStrokePage* page) {
  const WbShapePayload* head = static_cast<const WbShapePayload*>(payload);
  CStrokeBase* stroke = head ? FindStrokeById(page, head->szID) : nullptr;
  if (!stroke) return 0;
  page->m_listStroke.RemoveAt(page->m_listStroke.Find(stroke));
  if (m_pDrawContent) {
    if (m_pDrawContent->m_pSelected == stroke) m_pDrawContent->m_pSelected = nullptr, m_pDrawContent->m_bHasSelection = FALSE;
    if (m_pDrawContent->m_pPrevSelected == stroke) m_pDrawContent->m_pPrevSelected = nullptr;
  }
  delete stroke;
  return 1;
}

int CDlgDFWhiteBoard::SendStroke(CStrokeBase* stroke) {
  if (!stroke || !m_pDrawContent) return 0;
  WbMsgHeader* header = NewWbMsgHeader(WB_MSG_OBJECT_DELETE, (DWORD)m_pDrawContent->m_listPages.GetCount());
  WbPageOpRecord* pageOp = header ? NewWbPageOpRecord() : nullptr;
  WbListNode* node = pageOp ? NewWbListNode() : nullptr;
  void* payload = node ? NewDeletionPayload(stroke) : nullptr;
  if (header) header->pPageOp = pageOp;
  if (pageOp) pageOp->pList = node;
  if (node) node->pItem = payload;
  int result = 0;
  if (payload) {
    pageOp->nPage = m_pDrawContent->m_nCurPageNo;
    pageOp->nOp = WB_PAGEOP_OBJECT;
    pageOp->bNewPage = 0;
    CTavorineModule* module = TavorineModule();
    result = module ? module->IMSSend2MrsMethod(WB_CONFTYPE_CONF, WB_MRS_METHOD, header) : 0;
  }
  FreeWbMessage(header);
  return result;
}

void CDlgDFWhiteBoard::SendPageContent(int nPage) {
  CStrokePage* page = m_pDrawContent ? m_pDrawContent->GetPageByNumber(nPage) : nullptr;
  if (!page) return;
  WbMsgHeader* header = NewWbMsgHeader(WB_MSG_PAGE_CONTENT, (DWORD)m_pDrawContent->m_listPages.GetCount());
  WbPageOpRecord* pageOp = header ? NewWbPageOpRecord() : nullptr;
  if (!pageOp) {
    FreeWbMessage(header);
    return;
  }
  header->pPageOp = pageOp;
  pageOp->nPage = nPage;
  pageOp->nOp = WB_PAGEOP_PAGE_CONTENT;
  pageOp->bNewPage = 0;
  BOOL complete = TRUE;
  for (POSITION pos = page->m_listStroke.GetHeadPosition(); pos && complete;) {
    CStrokeBase* stroke = static_cast<CStrokeBase*>(page->m_listStroke.GetNext(pos));
    void* payload = NewObjectPayload(stroke);
    if (!payload) continue;  // the background travels with the page's document, not here
    WbListNode* node = NewWbListNode();
    if (node) node->pItem = payload;
    complete = node && AppendWbListNode(&pageOp->pList, node);
    if (!node) FreeWbPayload(payload);
  }
  CTavorineModule* module = TavorineModule();
  if (complete && module) module->IMSSend2MrsMethod(WB_CONFTYPE_CONF, WB_MRS_METHOD, header);
  FreeWbMessage(header);
}

// ---- Controls ----

void CDlgDFWhiteBoard::ReturnToSelectTool() {
  CWnd* select = GetDlgItem(IDC_WB_SELECT_TOOL);
  if (!select) return;
  select->EnableWindow(FALSE);
  if (m_pCurToolBtn && m_pCurToolBtn != select) m_pCurToolBtn->EnableWindow(TRUE);
  m_pCurToolBtn = select;
}

void CDlgDFWhiteBoard::ShowSelectedColor(COLORREF color) {
  m_crCurColor = color;
  if (CWnd* button = GetDlgItem(IDC_WB_CUR_COLOR)) button->Invalidate(TRUE);
}

void CDlgDFWhiteBoard::OnSelectedDeleted() {
  if (CWnd* select = GetDlgItem(IDC_WB_SELECT_TOOL)) select->SetFocus();
  if (CWnd* widths = GetDlgItem(IDC_WB_LINE_WIDTH)) {
    widths->ShowWindow(SW_HIDE);
    widths->EnableWindow(FALSE);
  }
}

void CDlgDFWhiteBoard::ShowReceivedPage(int page) {
  CString number;
  number.Format("%d", page);
  SetDlgItemText(IDC_WB_PAGE_NO, number);
  SetDlgItemText(IDC_WB_PAGE_NO2, number);
  SetDlgItemText(IDC_WB_PAGE_COUNT, "1");
}

int CDlgDFWhiteBoard::DisablePageControls() {
  EnablePageControls(FALSE);
  SetTimer(kWbTimerPageControls, kWbPageControlsDelayMs);
  return 1;
}

void CDlgDFWhiteBoard::EnablePageControls(BOOL enable) {
  for (int id : kPageControls)
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enable);
}

void CDlgDFWhiteBoard::OnTimer(UINT_PTR id) {
  if (id != kWbTimerPageControls) return CDialog::OnTimer(id);
  KillTimer(kWbTimerPageControls);
  EnablePageControls(TRUE);
}
