// The conference whiteboards' life: the conference whiteboard opens with a conference whose
// types include the whiteboard, the shared-document board with one whose types include document
// share; both go when that conference ends or the conference window goes. The document-share
// control right, given to one member at a time, decides who turns the shared board's pages; the
// whiteboard's control right, who presents the conference whiteboard (its creator at first).
#include <cstdlib>
#include <cstring>

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/ui/WindowRelease.h"
#include "protocol/WbRecords.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/windows/DlgDFShareWhiteBoard.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace {

bool Includes(const confCtrlResult& answer, int type) {
  if (answer.iConfType == type) return true;
  int count = answer.iTypeCount < kConfCtrlTypeCapacity ? answer.iTypeCount : kConfCtrlTypeCapacity;
  for (int i = 0; i < count; ++i)
    if (answer.aiTypes[i] == type) return true;
  return false;
}

// The sub-conference id of a feature: its own when the answer gives one, else the answer's.
CString SubConfIDOf(const confCtrlResult& answer, int type) {
  int count = answer.iTypeCount < kConfCtrlTypeCapacity ? answer.iTypeCount : kConfCtrlTypeCapacity;
  for (int i = 0; i < count; ++i)
    if (answer.aiTypes[i] == type && answer.aiSubConfIDs[i] != 0) {
      CString id;
      id.Format("%d", answer.aiSubConfIDs[i]);
      return id;
    }
  return RecordText(answer.szSubConfID);
}

template <class Board>
Board* CreateBoardWindow(const char* className) {
  Board* board = new Board();
  if (board->CreateBoard(nullptr)) return board;
  delete board;
  if (CTavorineModule* module = TavorineModule()) module->WriteLog(CString(className) + " Create Failed!\n", 1);
  return nullptr;
}

}  // namespace

void CDlgDataConf::StartWhiteboardIfIncluded(const confCtrlResult& answer, BOOL joined) {
  if (Includes(answer, kSubConfDocShare)) {
    SetSubConf(kSubConfDocShare, TRUE, atoi(SubConfIDOf(answer, kSubConfDocShare)));
    if (!m_pDlgShareWhiteBoard) m_pDlgShareWhiteBoard = CreateBoardWindow<CDlgDFShareWhiteBoard>("CDlgDFShareWhiteBoard");
    if (m_pDlgShareWhiteBoard) m_pDlgShareWhiteBoard->StartBoard();
  }
  if (!Includes(answer, kSubConfWhiteboard)) return;
  const CString subConfID = SubConfIDOf(answer, kSubConfWhiteboard);
  SetDConfID(kDConfWhiteboardID, subConfID);
  SetSubConf(kSubConfWhiteboard, TRUE, atoi(subConfID));
  if (!m_pDlgWhiteBoard) m_pDlgWhiteBoard = CreateBoardWindow<CDlgDFWhiteBoard>("CDlgDFWhiteBoard");
  if (m_pDlgWhiteBoard) m_pDlgWhiteBoard->StartBoard(joined);
}

// The module's close or the conference's end may come while one of the board's dialogs runs.
void CDlgDataConf::CloseWhiteBoard() {
  platform::DestroyAndDelete(m_pDlgWhiteBoard);
  m_pDlgWhiteBoard = nullptr;
  platform::DestroyAndDelete(m_pDlgShareWhiteBoard);
  m_pDlgShareWhiteBoard = nullptr;
}

// The one route of received conference whiteboard records: a board that the conference has
// closed is no longer this window's, so nothing reaches it while its deletion waits. A record
// names its board by the whole head its sender's board writes, the id text and the running
// sub-conference: the conference whiteboard writes its sub-conference's id text, the shared
// board the data-conference id, so the two boards stay apart also when the conference gives
// both features one sub-conference id.
BOOL CDlgDataConf::RouteWhiteboardRecord(void* record) {
  const WbRecvMsgHeader* header = static_cast<const WbRecvMsgHeader*>(record);
  if (!header || (!m_pDlgWhiteBoard && !m_pDlgShareWhiteBoard)) return FALSE;
  const int subConf = (int)header->head.nSubConfID;
  const CString idText(header->head.szDConfID, (int)strnlen(header->head.szDConfID, sizeof(header->head.szDConfID)));
  auto names = [&](int idKind, int type) {
    return subConf != -1 && GetSubConfID(type, FALSE) == subConf && GetDConfID(idKind).Left(WB_URI_LEN - 1) == idText;
  };
  CWbBoardWindow* board = nullptr;
  if (m_pDlgWhiteBoard && names(kDConfWhiteboardID, kSubConfWhiteboard)) board = m_pDlgWhiteBoard;
  else if (m_pDlgShareWhiteBoard && names(kDConfID, kSubConfDocShare)) board = m_pDlgShareWhiteBoard;
  if (!board) return FALSE;
  board->DispatchBoardRecord(record);
  return TRUE;
}

void CDlgDataConf::OnControlRight(const confCtrlRight& event) {
  const CString feature = RecordText(event.szFeature);
  const CString member = RecordText(event.szMemberURI);
  CString line;
  line.Format("CDlgDataConf::OnControlRight(detailType=%d feature=%s member=%s)\n", event.detailType,
              (LPCTSTR)feature, (LPCTSTR)member);
  WriteLog(line);
  if (!m_bInConf || RecordText(event.szConfURI) != m_csConfURI) return;
  const BOOL mine = IsMySelf(member);
  // Given to another member, the right is no longer ours; taken from another, nothing changes.
  auto held = [&](BOOL before) -> BOOL {
    if (event.detailType == kCtrlRightGiven) return mine;
    if (event.detailType == kCtrlRightTaken && mine) return FALSE;
    return before;
  };
  if (feature == kFeatureDocShare && m_pDlgShareWhiteBoard)
    m_pDlgShareWhiteBoard->SetControlRight(held(m_pDlgShareWhiteBoard->HasControlRight()));
  if (feature == kFeatureWhiteboard && m_pDlgWhiteBoard)
    m_pDlgWhiteBoard->SetPresenter(held(m_pDlgWhiteBoard->m_bPageTurning));
}
