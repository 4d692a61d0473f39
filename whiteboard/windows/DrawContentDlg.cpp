#include "whiteboard/windows/DrawContentDlg.h"

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "whiteboard/model/StrokeBase.h"
#include "whiteboard/windows/DlgDFWhiteBoard.h"

IMPLEMENT_DYNCREATE(CDrawContentDlg, CDialog)

int CDrawContentDlg::s_nCanvasWidth = 1600;
int CDrawContentDlg::s_nCanvasHeight = 1200;

CDrawContentDlg::CDrawContentDlg(CWnd* pParent) : CDrawSurface(IDD_DRAW_CONTENT, pParent) {}

CSurfaceOwner* CDrawContentDlg::Owner() const { return m_pOwner; }

WbMsgHeader* CDrawContentDlg::BuildMethodRecord(CStrokeBase* stroke, int nMethod, int nKind) {
  CTavorineModule* module = TavorineModule();
  CDlgDataConf* conf = module ? module->m_pDlgDataConf : nullptr;
  if (!conf) return nullptr;
  int subConf = conf->GetSubConfID(kSubConfWhiteboard, FALSE);
  CString dconfId = conf->GetDConfID(kDConfWhiteboardID);
  return stroke->BuildOpRecord((DWORD)nMethod, (DWORD)nKind, dconfId, (DWORD)subConf, (DWORD)m_nCurPageNo, CString());
}
