#include "host/recording/CopierTable.h"

#include "protocol/HostBlocks.h"

namespace host {

void CopierTable::Set(Channel channel, int code, BlockCopier copier) {
  blocks_[{channel, code}] = std::move(copier);
}

void CopierTable::SetMethodBlock(int code) { methodBlocks_.insert(code); }

void CopierTable::SetRecord(int code, int method, BlockCopier copier) {
  records_[{code, method}] = std::move(copier);
}

const void* CopierTable::Copy(Channel channel, int code, const void* block, BlockArena& arena) const {
  if (!block) return nullptr;
  if (channel == Channel::kMessage && methodBlocks_.count(code)) {
    HostMethodBlock* copy = arena.Clone(static_cast<const HostMethodBlock*>(block));
    copy->pRecord = const_cast<void*>(CopyRecord(code, copy->nMethod, copy->pRecord, arena));
    return copy;
  }
  auto it = blocks_.find({channel, code});
  return it == blocks_.end() ? nullptr : it->second(block, arena);
}

const void* CopierTable::CopyRecord(int code, int method, const void* record, BlockArena& arena) const {
  auto it = records_.find({code, method});
  if (!record || it == records_.end()) return nullptr;
  return it->second(record, arena);
}

}  // namespace host
