// Leaving a changed board: the offer to save it as an XWB document first.
#include "module/TavorineModule.h"
#include "platform/Files.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "vezadazavo/VezadaZavo.h"
#include "whiteboard/surface/DrawSurface.h"
#include "whiteboard/windows/WbBoardWindow.h"

namespace {

const char kSaveQuestion[] = "白板内容已经改变，是否保存？";
const char kSaveFailed[] = "保存白板文件失败！";

}  // namespace

CString CWbBoardWindow::BoardDocument() {
  CDrawSurface* surface = BoardSurface();
  return surface ? surface->WriteXwbDocument() : CString();
}

BOOL CWbBoardWindow::OfferToSave(BOOL& changed) {
  if (!changed) return TRUE;
  int answer = ::MessageBox(m_hWnd, kSaveQuestion, GetMsgTitle(), MB_YESNOCANCEL | MB_ICONQUESTION);
  if (!m_hWnd) return FALSE;  // the module closed the board meanwhile: it is gone already
  if (answer == IDNO) return TRUE;
  if (answer != IDYES) return FALSE;
  return SaveBoard(changed);
}

BOOL CWbBoardWindow::SaveBoard(BOOL& changed) {
  CFileDialog dialog(FALSE, "xwb", "白板.xwb", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, "白板文件 (*.xwb)|*.xwb||", this);
  CTavorineModule* module = TavorineModule();
  INT_PTR chosen = module ? module->RunPopupDialog(dialog) : dialog.DoModal();
  if (chosen != IDOK) return FALSE;
  CString document = BoardDocument();
  if (!platform::WriteFileReplacing(dialog.GetPathName(), (LPCTSTR)document, (size_t)document.GetLength())) {
    ::MessageBox(m_hWnd, kSaveFailed, GetMsgTitle(), MB_OK | MB_ICONINFORMATION);
    return FALSE;
  }
  changed = FALSE;
  return TRUE;
}
