#include "host/ConfEventWords.h"

#include "confwindow/ConfCtrlResult.h"
#include "host/ScenarioWords.h"
#include "platform/Charset.h"
#include "platform/Mbcs.h"

namespace host {

std::string CheckConfCtrlResult(const std::vector<std::string>& args) {
  int value = 0;
  bool ok = args.size() >= 4 && args.size() <= 6 && ParseInt(args[0], &value) && value == 1 &&
            ParseInt(args[1], &value) && ParseInt(args[2], &value) &&
            (args.size() < 6 || ParseInt(args[5], &value));
  return ok ? "" : "1, a detail type, a result code, a conference URI, a subject and a conference type";
}

std::string DeliverConfCtrlResult(RecordingHost& host, int code, const std::vector<std::string>& args) {
  confCtrlResult record{};
  ParseInt(args[1], &record.detailType);
  ParseInt(args[2], &record.iResult);
  mbcs::CopyLimited(record.szConfURI, sizeof record.szConfURI, charset::Utf8ToGbk(args[3]).c_str());
  if (args.size() > 4)
    mbcs::CopyLimited(record.szSubject, sizeof record.szSubject, charset::Utf8ToGbk(args[4]).c_str());
  if (args.size() > 5) ParseInt(args[5], &record.iConfType);
  HostRecordBlock block{};
  block.nKind = 1;
  block.pRecord = &record;
  return "handled " + std::to_string(host.Deliver(code, block));
}

}  // namespace host
