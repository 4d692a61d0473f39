// The module's pop-up slot: the dialog a window runs until it ends.
#include "module/TavorineModule.h"
#include "platform/ui/Dialog.h"

CTavorineModule::PopupSlot::PopupSlot(CTavorineModule& module, CDialog& dialog) : m_module(module), m_dialog(dialog) {
  m_module.m_pActiveCommonDlg = &m_dialog;
}

CTavorineModule::PopupSlot::~PopupSlot() {
  if (m_module.m_pActiveCommonDlg == &m_dialog) m_module.m_pActiveCommonDlg = nullptr;
}

INT_PTR CTavorineModule::RunPopupDialog(CDialog& dialog) {
  PopupSlot slot(*this, dialog);
  return dialog.DoModal();
}
