// The module's pop-up slot: the dialog a window runs until it ends.
#include "module/TavorineModule.h"
#include "platform/ui/Dialog.h"

INT_PTR CTavorineModule::RunPopupDialog(CDialog& dialog) {
  m_pActiveCommonDlg = &dialog;
  INT_PTR result = dialog.DoModal();
  m_pActiveCommonDlg = nullptr;
  return result;
}
