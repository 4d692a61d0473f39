// The module's side of the start window: created with the conference window when the host
// first opens the conference user interface, kept hidden or shown until close. The set-up
// trees are filled once, when the windows that hold them first exist.
#include "module/TavorineModule.h"
#include "platform/ui/WindowRelease.h"
#include "setup/DlgmmConfPreCreate.h"
#include "setup/mmconfCreate.h"
#include "setup/mmconfPre.h"

int CTavorineModule::OpenUserInterface(std::optional<int> page) {
  EnsureConfWindow();
  if (!InConference() && !m_pDlgPreCreate && !CreateStartWindow()) return 0;
  // Once the windows with set-up trees exist, the tree service fills them.
  if (!m_bDeptTreesFilled) InitDeptTree();
  if (InConference()) {
    NotifyConfState((int)(intptr_t)m_pDlgDataConf);
    return 1;
  }
  // Hiding the window hid its pages: the page asked for, or the one it had, shows again.
  m_pDlgPreCreate->ShowPage(page ? *page : m_pDlgPreCreate->GetCurrentPage());
  m_pDlgPreCreate->ShowWindow(SW_SHOW);
  m_pDlgPreCreate->BringWindowToTop();
  NotifyConfState((int)(intptr_t)m_pDlgPreCreate);
  return 1;
}

void CTavorineModule::AddCreatePageNumbers(const char* numbers) {
  CDlgmmConfPreCreate* start = InConference() ? nullptr : m_pDlgPreCreate;
  if (!start || start->GetCurrentPage() != kPageCreate || !start->m_pCreate) {
    WriteLog("CTavorineModule::AddCreatePageNumbers(the create page is not shown: numbers dropped)\n", 1);
    return;
  }
  start->m_pCreate->AddMemberNumbers(numbers);
}

// The window shows the create page when it is made; its type lists are built once.
BOOL CTavorineModule::CreateStartWindow() {
  CDlgmmConfPreCreate* window = new CDlgmmConfPreCreate(nullptr);
  if (!window->Create(IDD_MMCONF_PRECREATE, nullptr)) {
    delete window;
    m_pDlgPreCreate = nullptr;
    ReportCreateFailure(nullptr, "CDlgmmConfPreCreate");
    return FALSE;
  }
  m_pDlgPreCreate = window;
  RefreshConfTypeLists();
  return TRUE;
}

void CTavorineModule::RefreshConfTypeLists() {
  if (m_pDlgPreCreate && m_pDlgPreCreate->m_pCreate) m_pDlgPreCreate->m_pCreate->InitConfTypeCombo();
  if (m_pDlgPreCreate && m_pDlgPreCreate->m_pPre) m_pDlgPreCreate->m_pPre->InitConfTypeCombo();
}

// A page may be inside one of its handlers (a nested dialog, a host call): the window goes now,
// the object once that handler has returned.
void CTavorineModule::DestroyStartWindow() {
  CDlgmmConfPreCreate* window = m_pDlgPreCreate;
  m_pDlgPreCreate = nullptr;
  platform::DestroyAndDelete(window);
}
