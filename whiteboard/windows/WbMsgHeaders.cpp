#include "whiteboard/windows/WbMsgHeaders.h"

#include "common/ModuleLog.h"
#include "confwindow/DlgDataConf.h"
#include "module/TavorineModule.h"
#include "whiteboard/model/WbBlocks.h"
#include "whiteboard/windows/DlgDFP2PWhiteBoard.h"

namespace {

CDlgDataConf* ConfWindow() {
  CTavorineModule* module = TavorineModule();
  return module ? module->m_pDlgDataConf : nullptr;
}

// A header addressed to one feature of the running conference: its URI, the id text of
// dconfKind and the sub-conference of subConfType. `factory` names the caller in the log.
WbMsgHeader* NewConfBoardHeader(const char* factory, DWORD type, DWORD value, int dconfKind, int subConfType) {
  CDlgDataConf* conf = ConfWindow();
  if (!conf) {
    CString line;
    line.Format("[ERROR]%s(no conference window, type %u not built)\n", factory, (unsigned)type);
    ModuleLog(line);
    return nullptr;
  }
  WbMsgHeader* header = AllocWbMsgHeader(type, (int32_t)value);
  if (!header) return nullptr;
  SetWbText(header->head.szSessionURI, conf->GetConfURI());
  SetWbText(header->head.szDConfID, conf->GetDConfID(dconfKind));
  header->head.nSubConfID = (DWORD)conf->GetSubConfID(subConfType, FALSE);
  return header;
}

}  // namespace

WbMsgHeader* NewWbMsgHeader(DWORD type, DWORD value) {
  return NewConfBoardHeader("NewWbMsgHeader", type, value, kDConfWhiteboardID, kSubConfWhiteboard);
}

WbMsgHeader* NewShareWbMsgHeader(DWORD type, DWORD value) {
  return NewConfBoardHeader("NewShareWbMsgHeader", type, value, kDConfID, kSubConfDocShare);
}

WbMsgHeader* NewP2PWbMsgHeader(DWORD type, CDlgDFP2PWhiteBoard* board, DWORD value) {
  if (!board) {
    ModuleLog("[ERROR]NewP2PWbMsgHeader(no point-to-point board)\n");
    return nullptr;
  }
  WbMsgHeader* header = AllocWbMsgHeader(type, (int32_t)value);
  if (!header) return nullptr;
  SetWbText(header->head.szSessionURI, board->GetPeerURI());
  SetWbText(header->head.szDConfID, board->GetConfID());
  header->head.nSubConfID = 0;
  return header;
}

CString GetWbConfURI() {
  CDlgDataConf* conf = ConfWindow();
  return conf ? conf->GetConfURI() : CString();
}
