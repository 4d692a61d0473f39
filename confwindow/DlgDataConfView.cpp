// What the conference window shows while a conference runs: the conference and its member
// count, the members and their states, the prompt lines, and the commands of its small
// dialogs (extension digits for the selected member, the conference properties) and of the
// prompt sound. Its close box leaves the conference; Esc does not.
#include "common/UriParts.h"
#include "confwindow/DataConfIds.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "platform/ui/CommCtrl.h"
#include "setup/InviteDialogIds.h"
#include "setup/mmconfDefaultSet.h"

void CDlgDataConf::InitView() {
  m_listMembers.SubclassDlgItem(IDC_CONF_MEMBERS, this);
  m_listPrompts.SubclassDlgItem(IDC_CONF_PROMPTS, this);
  m_listMembers.SetExtendedStyle(m_listMembers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  m_listMembers.InsertColumn(0, "成员", LVCFMT_LEFT, 220);
  m_listMembers.InsertColumn(1, "状态", LVCFMT_LEFT, 100);
  // The prompt-sound switch shows the user's saved default.
  CmmconfDefaultSet::ReadSavedDefaults();
  RefreshView();
}

void CDlgDataConf::RefreshView() {
  if (!m_hWnd) return;
  RefreshConfState();
  m_listMembers.DeleteAllItems();
  for (int i = 0; i < m_aMembers.GetSize(); ++i) ShowMemberRow(i);
  CTavorineModule* module = TavorineModule();
  CheckDlgButton(IDC_CONF_PROMPT_SOUND, module && module->m_confDefaultData.playstatussound ? BST_CHECKED : BST_UNCHECKED);
  RefreshButtons();
}

void CDlgDataConf::RefreshConfState() {
  if (!m_hWnd) return;
  CString state;
  if (m_bInConf)
    state.Format("主题：%s　会场：%s　成员：%d/%d", (LPCTSTR)m_csSubject, (LPCTSTR)GetURIPart(m_csConfURI, 0),
                 m_iMemberCount, m_iMaxMemberCount);
  SetDlgItemText(IDC_CONF_STATE, state);
}

void CDlgDataConf::ShowMemberRow(int i) {
  if (!m_listMembers.m_hWnd) return;
  int row = i;
  if (row >= m_listMembers.GetItemCount()) row = m_listMembers.InsertItem(row, GetURIPart(m_aMembers[i].csURI, 0));
  m_listMembers.SetItemText(row, 1, m_aMembers[i].csState);
}

void CDlgDataConf::RefreshButtons() {
  if (!m_hWnd) return;
  GetDlgItem(IDC_CONF_INVITE)->EnableWindow(m_bInConf && m_saPendingInvites.GetSize() == 0);
  GetDlgItem(IDC_CONF_DIAL_EXTENSION)->EnableWindow(m_bInConf && SelectedMember() >= 0);
  GetDlgItem(IDC_CONF_PROPERTIES)->EnableWindow(m_bInConf);
}

int CDlgDataConf::SelectedMember() const {
  POSITION pos = m_listMembers.GetFirstSelectedItemPosition();
  const int row = pos ? m_listMembers.GetNextSelectedItem(pos) : -1;
  return row < m_aMembers.GetSize() ? row : -1;
}

void CDlgDataConf::OnMemberSelected(NMHDR*, LRESULT* result) {
  RefreshButtons();
  *result = 0;
}

void CDlgDataConf::OnDialExtensionCommand() {
  const int row = SelectedMember();
  if (row >= 0) DialExtension(m_aMembers[row].csURI);
}

void CDlgDataConf::OnPropertiesCommand() {
  if (m_bInConf) EditConfProperties();
}

// The switch is the user's conference default: it is kept in the defaults file, with the other
// defaults read first, so that writing the switch keeps them.
void CDlgDataConf::OnPromptSoundCommand() {
  CTavorineModule* module = TavorineModule();
  if (!module) return;
  CmmconfDefaultSet::LoadDefaultRecord();
  int& sound = module->m_confDefaultData.playstatussound;
  sound = sound ? 0 : 1;
  CmmconfDefaultSet::SaveDefaultDataToFile();
  CheckDlgButton(IDC_CONF_PROMPT_SOUND, sound ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgDataConf::OnClose() {
  if (m_bInConf) {
    LeaveConference();
    return;
  }
  ShowWindow(SW_HIDE);
}
