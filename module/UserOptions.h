// The user's conference defaults: the module's record and its copy in the VezadaZavo user
// record (where an older client version kept them).
#pragma once

#include "platform/CString.h"
#include "vezadazavo/VezadaZavo.h"

struct ConfDefaultData {
  CString subject;
  int maxnum = 0;      // maximum members
  int period = 0;      // duration in minutes
  int remaintime = 0;  // remaining-time notice in minutes
  CString mempwd;
  CString masterpwd;
  CString visitorpwd;
  int playstatussound = 1;  // 1: prompt sound with conference prompts

  void Set(CString subject, int maxnum, int period, int remaintime, CString mempwd,
           CString masterpwd, CString visitorpwd, int playstatussound);
};

// The user's options as the module edits them.
class CUserOptions {
 public:
  // Copy the conference-defaults group from / to the VezadaZavo user record; both TRUE.
  BOOL LoadConfDefaults();
  BOOL SaveConfDefaults();

  ConfDefaultsGroup m_confDefaults;
};
