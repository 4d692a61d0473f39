// Per-code rules for copying a module's block: which structure it is and which blocks hang
// from it. Codes 101 and 102 carry {method, record, result}; their records are copied by a
// second table keyed by code and method. Later subsystems add their rules (the feature
// records of code 101) with Set and SetRecord; a rule set again replaces the earlier one.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <utility>

#include "host/recording/HostEvent.h"
#include "host/relay/BlockArena.h"

namespace host {

// Copies a block (and what it points to) into the arena and returns the copy's root.
using BlockCopier = std::function<const void*(const void* block, BlockArena& arena)>;

class CopierTable {
 public:
  void Set(Channel channel, int code, BlockCopier copier);
  // Marks a message code whose block is {method, record, result} (HostMethodBlock): the
  // block is copied and its record pointer patched to the record's copy (NULL when the
  // method has no rule).
  void SetMethodBlock(int code);
  // The record copier for method `method` of a {method, record, result} code (101, 102).
  void SetRecord(int code, int method, BlockCopier copier);

  // The deep copy of the block, or NULL when the block is NULL or the code has no rule.
  const void* Copy(Channel channel, int code, const void* block, BlockArena& arena) const;
  // The deep copy of a method's record, or NULL when the method has no rule.
  const void* CopyRecord(int code, int method, const void* record, BlockArena& arena) const;

 private:
  std::map<std::pair<Channel, int>, BlockCopier> blocks_;
  std::set<int> methodBlocks_;
  std::map<std::pair<int, int>, BlockCopier> records_;
};

}  // namespace host
