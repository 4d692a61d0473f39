#include "module/UserOptions.h"

void ConfDefaultData::Set(CString subject_, int maxnum_, int period_, int remaintime_, CString mempwd_,
                          CString masterpwd_, CString visitorpwd_, int playstatussound_) {
  subject = subject_;
  maxnum = maxnum_;
  period = period_;
  remaintime = remaintime_;
  mempwd = mempwd_;
  masterpwd = masterpwd_;
  visitorpwd = visitorpwd_;
  playstatussound = playstatussound_;
}

BOOL CUserOptions::LoadConfDefaults() {
  m_confDefaults = GetUserData()->m_confDefaults;
  return TRUE;
}

BOOL CUserOptions::SaveConfDefaults() {
  GetUserData()->m_confDefaults = m_confDefaults;
  return TRUE;
}
