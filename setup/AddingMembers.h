// Marks the module as adding members (the host's status query reports it) for as long as the
// object lives: while a set-up window adds typed numbers or a person from a tree.
#pragma once

#include "module/TavorineModule.h"

class CAddingMembers {
 public:
  CAddingMembers() { TavorineModule()->m_bAddingMember = TRUE; }
  ~CAddingMembers() { TavorineModule()->m_bAddingMember = FALSE; }
  CAddingMembers(const CAddingMembers&) = delete;
  CAddingMembers& operator=(const CAddingMembers&) = delete;
};
