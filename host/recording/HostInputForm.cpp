#include "host/recording/HostInputForm.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "host/recording/RecordingHost.h"
#include "host/relay/WbRelay.h"
#include "protocol/ConfCtrlResult.h"
#include "protocol/ConfStatisEvent.h"
#include "protocol/HostBlocks.h"
#include "protocol/WbRecords.h"

namespace host {

const int kHostInputCodes[] = {kModuleConfEvent,      kModuleDataConfRecord, kModuleMemberRightAnswer,
                               kModuleOpenUI,         kModuleAcceptInvite,   kModuleRefuseInvite,
                               kModuleAssistWindow,   kModuleShowUIPage,     kModuleRightsChanged,
                               kModuleRefreshPages,   kModuleStatusQuery,    kModuleClearTrees};
const size_t kHostInputCodeCount = sizeof kHostInputCodes / sizeof kHostInputCodes[0];

namespace {

size_t EventRecordSize(int type) {
  if (type == 7) return sizeof(confStatisEvent);
  if (type == 11) return sizeof(confSysTime);
  return sizeof(confCtrlResult);
}

void AppendMessage(std::string* out, int code, uint8_t flags, int kind, std::string bytes) {
  size_t index = std::find(kHostInputCodes, kHostInputCodes + kHostInputCodeCount, code) - kHostInputCodes;
  while (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();  // the reader fills zeros in
  bytes.resize(std::min<size_t>(bytes.size(), 0xFFFF));
  uint8_t head[kHostInputHeadSize] = {(uint8_t)index, flags, (uint8_t)(kind & 0xFF), (uint8_t)((kind >> 8) & 0xFF),
                                      (uint8_t)(bytes.size() & 0xFF), (uint8_t)(bytes.size() >> 8)};
  out->append(reinterpret_cast<const char*>(head), kHostInputHeadSize);
  out->append(bytes);
}

std::string BytesOf(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

}  // namespace

bool AppendHostInput(int code, const void* block, std::string* out) {
  if (std::find(kHostInputCodes, kHostInputCodes + kHostInputCodeCount, code) == kHostInputCodes + kHostInputCodeCount)
    return false;
  if (code == kModuleConfEvent) {
    auto* b = static_cast<const HostRecordBlock*>(block);
    std::string record = b->pRecord ? BytesOf(b->pRecord, EventRecordSize(b->nKind)) : "";
    AppendMessage(out, code, b->pRecord ? 0 : kHostInputNoRecord, b->nKind, record);
  } else if (code == kModuleDataConfRecord) {
    auto* b = static_cast<const HostRecordBlock*>(block);
    if (b->nKind != 1) return false;  // only whiteboard records have a byte form
    AppendMessage(out, code, b->pRecord ? 0 : kHostInputNoRecord, b->nKind, b->pRecord ? PackReceivedWbInput(b->pRecord) : "");
  } else if (code == kModuleMemberRightAnswer) {
    auto* b = static_cast<const HostMemberRightAnswerBlock*>(block);
    AppendMessage(out, code, b->pText ? 0 : kHostInputNoRecord, 0,
                  BytesOf(&b->nResult, sizeof b->nResult) + (b->pText ? b->pText : ""));
  } else if (code == kModuleShowUIPage) {
    auto* b = static_cast<const HostPageBlock*>(block);
    AppendMessage(out, code, b->pNumbers ? 0 : kHostInputNoRecord, b->nPage, b->pNumbers ? b->pNumbers : "");
  } else {
    AppendMessage(out, code, 0, 0, "");
  }
  return true;
}

std::string PackReceivedWbInput(const void* receivedHeader) {
  auto* received = static_cast<const WbRecvMsgHeader*>(receivedHeader);
  WbMsgHeader sent;
  memset(&sent, 0, sizeof sent);
  sent.head = received->head;
  memcpy(sent.szBoardStyle, received->szBoardStyle, sizeof sent.szBoardStyle);
  sent.nValue = received->nValue;
  sent.pPageOp = received->pPageOp;
  uint32_t method = received->head.op;
  return BytesOf(&method, sizeof method) + PackWbMessage(&sent);
}

void* UnpackReceivedWbInput(const std::string& bytes, BlockArena& arena) {
  uint32_t method = 0;
  if (bytes.size() < sizeof method) return nullptr;
  memcpy(&method, bytes.data(), sizeof method);
  // Method 0 stands for "as relayed": the received method of the sent type.
  return UnpackReceivedWbMessage(bytes.substr(sizeof method), arena, nullptr, method);
}

void KeepInput(const std::string& folder, const char* sub, const std::string& bytes) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a: one file per distinct input
  for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  std::string dir = folder + "/" + sub;
  mkdir(folder.c_str(), 0755);
  mkdir(dir.c_str(), 0755);
  char name[32];
  snprintf(name, sizeof name, "/%016llx", (unsigned long long)hash);
  if (FILE* file = fopen((dir + name).c_str(), "wb")) {
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
  }
}

}  // namespace host
