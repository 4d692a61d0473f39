#include "host/recording/ConfMethodPrinter.h"

#include <cstring>

#include "host/relay/QuotedText.h"

namespace host {
namespace {

// Builds the lines of one record.
class Lines {
 public:
  explicit Lines(const std::string& indent) : indent_(indent) {}

  void Int(const char* name, int value, bool always = false) {
    if (value != 0 || always) Add(std::string(name) + " " + std::to_string(value));
  }
  // A fixed field: read up to its size, never past it.
  void Text(const char* name, const char* field, size_t size) {
    if (field[0]) Add(std::string(name) + " " + QuoteField(field, size));
  }
  // A pointer list and its flags inside the packed record, read entry by entry with memcpy
  // (the arrays are not aligned).
  void List(const char* name, const void* list, int count, const void* chairFlags) {
    if (count == 0) return;
    std::string line = std::string(name) + " (" + std::to_string(count) + ")";
    int shown = count < 0 ? 0 : (count > kConfListCapacity ? kConfListCapacity : count);
    for (int i = 0; i < shown; ++i) {
      const char* entry;
      std::memcpy(&entry, static_cast<const char*>(list) + i * sizeof entry, sizeof entry);
      line += (i ? ", " : ": ") + QuoteGbk(entry);
      int chair = 0;
      if (chairFlags) std::memcpy(&chair, static_cast<const char*>(chairFlags) + i * sizeof chair, sizeof chair);
      if (chair) line += " (chair)";
    }
    Add(line);
  }
  std::string str() const { return out_; }

 private:
  void Add(const std::string& line) { out_ += indent_ + line + "\n"; }
  std::string indent_;
  std::string out_;
};

bool CarriesConfType(int subType) { return subType == kConfCreate || subType == kConfAnswer || subType == kConfBook; }

}  // namespace

const char* ConfSubTypeName(int subType) {
  switch (subType) {
    case kConfCreate: return "create";
    case kConfInvite: return "invite";
    case kConfAnswer: return "answer invitation";
    case kConfRemoveMember: return "remove member";
    case kConfLeave: return "leave";
    case kConfJoin: return "join";
    case kConfBook: return "book";
    case kConfSubConf: return "start or stop sub-conference";
    case kConfExtension: return "extension digits";
    case kConfEnd: return "end conference";
    default: return "";
  }
}

std::string FormatConfMethodRecord(const ConfMethodRecord& rec, const std::string& indent) {
  Lines l(indent);
  int subType = rec.iSubType;
  l.Int("sub-type", subType, true);
  l.Text("conference URI", rec.szConfURI, sizeof rec.szConfURI);
  l.Text("subject", rec.szSubject, sizeof rec.szSubject);
  l.Int("conference type", rec.iConfType, CarriesConfType(subType));
  l.List("members", rec.pMemberList, rec.iMemberCount, nullptr);
  l.Text("member URI", rec.szMemberURI, sizeof rec.szMemberURI);
  l.Int("answer", rec.iAnswer, subType == kConfAnswer);
  l.Text("join password", rec.szJoinPassword, sizeof rec.szJoinPassword);
  l.List("SMS", rec.pSMSList, rec.iSMSCount, rec.iSMSChairFlag);
  l.List("e-mail", rec.pEmailList, rec.iEmailCount, rec.iEmailChairFlag);
  l.Int("maximum members", rec.iMaxMembers);
  l.Text("start time", rec.szStartTime, sizeof rec.szStartTime);
  l.Int("duration", rec.iDuration);
  l.Int("remaining-time notice", rec.iRemainNotice);
  l.Int("split screen", rec.iSplitScreen);
  l.Int("reserved", rec.iReserved);
  l.Text("chair URI", rec.szChairURI, sizeof rec.szChairURI);
  l.Text("chair password", rec.szChairPassword, sizeof rec.szChairPassword);
  l.Text("member password", rec.szMemberPassword, sizeof rec.szMemberPassword);
  l.Text("visitor password", rec.szVisitorPassword, sizeof rec.szVisitorPassword);
  l.Int("sub-conference state", rec.iSubConfState);
  l.Int("sub-conference type", rec.iSubConfType, subType == kConfSubConf);
  l.Int("member id", rec.iMemberID);
  l.Text("extension digits", rec.szExtension, sizeof rec.szExtension);
  l.Int("chair leaves without ending", rec.bChairLeaveNoEnd);
  return l.str();
}

}  // namespace host
