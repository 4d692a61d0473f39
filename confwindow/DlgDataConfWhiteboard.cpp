// The conference whiteboard's life: it opens with a conference whose types include the
// whiteboard and goes when that conference ends or the conference window goes.
#include <cstdlib>

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/ui/WindowRelease.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

namespace {

bool IncludesWhiteboard(const confCtrlResult& answer) {
  if (answer.iConfType == kSubConfWhiteboard) return true;
  int count = answer.iTypeCount < kConfCtrlTypeCapacity ? answer.iTypeCount : kConfCtrlTypeCapacity;
  for (int i = 0; i < count; ++i)
    if (answer.aiTypes[i] == kSubConfWhiteboard) return true;
  return false;
}

}  // namespace

void CDlgDataConf::StartWhiteboardIfIncluded(const confCtrlResult& answer, BOOL joined) {
  if (!IncludesWhiteboard(answer)) return;
  const CString subConfID = RecordText(answer.szSubConfID);
  SetDConfID(kDConfWhiteboardID, subConfID);
  SetSubConf(kSubConfWhiteboard, TRUE, atoi(subConfID));
  if (!m_pDlgWhiteBoard) {
    CDlgDFWhiteBoard* board = new CDlgDFWhiteBoard();
    if (!board->CreateBoard(nullptr)) {
      delete board;
      WriteLog("CDlgDFWhiteBoard Create Failed!\n");
      return;
    }
    m_pDlgWhiteBoard = board;
  }
  m_pDlgWhiteBoard->StartBoard(joined);
}

// The module's close or the conference's end may come while one of the board's dialogs runs.
void CDlgDataConf::CloseWhiteBoard() {
  platform::DestroyAndDelete(m_pDlgWhiteBoard);
  m_pDlgWhiteBoard = nullptr;
}
