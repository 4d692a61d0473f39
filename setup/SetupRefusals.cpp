#include "setup/SetupRefusals.h"

#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "protocol/HostBlocks.h"
#include "vezadazavo/VezadaZavo.h"

const char kBusyText[] = "系统忙，请稍后重试！";

namespace {

const int kMethodBackgroundSounds = 11;

}  // namespace

void RequestBackgroundSoundsOnce() {
  if (GetHaveGetBKSound()) return;
  bIMSConfMethod(kMethodBackgroundSounds, nullptr);
  SetHaveGetBKSound(1);
}

CString CallRefusal() {
  if (GetTalking() || GetCountAboveConnecting(1) > 0) return "通话中，不能进行多媒体会议操作";
  return CString();
}

CString P2PRefusal() {
  CTavorineModule* module = TavorineModule();
  if (!module || !module->GetP2PBusy()) return CString();
  CString name = module->GetP2PSessionName();
  if (name.IsEmpty()) return "您正在进行数据会议！";
  return "您正在进行" + name + "操作";
}

CString ConferenceRefusal() {
  CTavorineModule* module = TavorineModule();
  CDlgDataConf* conf = module ? module->m_pDlgDataConf : nullptr;
  return conf && conf->m_bInConf ? CString("您正在会议中，请先退出当前会议！") : CString();
}

BOOL HostAllowsConfOperation() {
  CTavorineModule* module = TavorineModule();
  HostMayStartBlock answer{0};
  if (module) module->SendEvent(kHostMayStartConfOp, &answer);
  return answer.bMayStart != 0;
}

CString RequestRefusal() {
  CString refusal = CallRefusal();
  if (refusal.IsEmpty()) refusal = P2PRefusal();
  if (refusal.IsEmpty() && !HostAllowsConfOperation()) refusal = kBusyText;
  return refusal;
}
