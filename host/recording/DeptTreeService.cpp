#include "host/recording/DeptTreeService.h"

#include "platform/ui/TreeCtrl.h"
#include "platform/ui/Wnd.h"
#include "protocol/HostBlocks.h"
#include "vezadazavo/VezadaZavo.h"

namespace host {

void DeptTreeService::OnEvent(const HostEvent& event) {
  if (event.channel == Channel::kMessage) {
    if (event.code == kHostDeptAddrList) AnswerListRequest(event);
    return;
  }
  if (event.sender != kDeptTreeService) return;
  const HostTreeBlock* block = event.As<HostTreeBlock>();
  if (!block) return;
  switch (event.code) {
    case kTreeRegister: {
      CTreeCtrl* control = static_cast<CTreeCtrl*>(block->pTreeCtrl);
      if (!control) return;
      trees_[block->nTree] = {control, control->GetSafeHwnd()};
      VzFillDeptTree(block->nTree, control);
      return;
    }
    case kTreeFill:
      if (CTreeCtrl* control = Find(block->nTree)) VzFillDeptTree(block->nTree, control);
      return;
    case kTreeUnregister:
      trees_.erase(block->nTree);
      VzForgetDeptTree(block->nTree);
      return;
    default:
      return;
  }
}

CTreeCtrl* DeptTreeService::Find(int number) const {
  auto it = trees_.find(number);
  if (it == trees_.end() || !IsWindow(it->second.window)) return nullptr;
  return it->second.control;
}

// The data set holds the whole structure from the fill on; what a list request can still
// bring is a department's people, loaded once.
void DeptTreeService::AnswerListRequest(const HostEvent& event) {
  const HostDeptAddrListBlock* block = event.As<HostDeptAddrListBlock>();
  if (!block || block->nType != kDeptDepartment || !block->hItem) return;
  CTreeCtrl* control = Find(block->nDlgType);
  if (control && !control->GetChildItem(block->hItem)) VzLoadDeptMembers(control, block->hItem);
}

}  // namespace host
