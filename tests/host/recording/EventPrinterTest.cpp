// The readable form of the module's traffic, as the host program prints it (UTF-8).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/recording/EventPrinter.h"
#include "host/recording/RecordingHost.h"
#include "host/relay/QuotedText.h"

namespace {

using host::RecordingHost;

std::string PrintLast(const RecordingHost& h) { return host::EventPrinter().Format(h.Events().back()); }

TEST(EventPrinter, BookingRecordShowsItsFieldsListsAndChairFlagsInUtf8) {
  RecordingHost h;
  ConfMethodRecord rec{};
  rec.iSubType = kConfBook;
  std::strcpy(rec.szSubject, "周会");
  char member[257] = "sip:100@a.com", sms[257] = "13800000000", mail[257] = "a@b.com";
  char* entries[] = {member, sms, mail};
  std::memcpy(rec.pMemberList, &entries[0], sizeof(char*));
  std::memcpy(rec.pSMSList, &entries[1], sizeof(char*));
  std::memcpy(rec.pEmailList, &entries[2], sizeof(char*));
  int one = 1;
  std::memcpy(rec.iEmailChairFlag, &one, sizeof one);
  rec.iMemberCount = rec.iSMSCount = rec.iEmailCount = 1;
  rec.iDuration = 60;
  std::strcpy(rec.szStartTime, "2025-01-05 09:05:03");
  HostMethodBlock block{1, &rec, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostConfMethod, &block);

  EXPECT_EQ(PrintLast(h),
            u8"module 5 -> host: 102 (conference method): method 1 -> 1\n"
            u8"    record: book\n"
            u8"    sub-type 7\n"
            u8"    subject \"周会\"\n"
            u8"    conference type 0\n"
            u8"    members (1): \"sip:100@a.com\"\n"
            u8"    SMS (1): \"13800000000\"\n"
            u8"    e-mail (1): \"a@b.com\" (chair)\n"
            u8"    start time \"2025-01-05 09:05:03\"\n"
            u8"    duration 60\n");
}

TEST(EventPrinter, StopRequestShowsTheNegativeStateAndTheFeature) {
  RecordingHost h;
  ConfMethodRecord rec{};
  rec.iSubType = kConfSubConf;
  std::strcpy(rec.szConfURI, "sip:conf1@a.com");
  rec.iSubConfState = kSubConfStop;
  rec.iSubConfType = 4;
  HostMethodBlock block{1, &rec, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostConfMethod, &block);
  std::string text = PrintLast(h);
  EXPECT_NE(text.find("record: start or stop sub-conference\n"), std::string::npos) << text;
  EXPECT_NE(text.find("sub-conference state -1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("sub-conference type 4\n"), std::string::npos) << text;
}

TEST(EventPrinter, LogLineIsConvertedAndItsControlCharactersEscaped) {
  RecordingHost h;
  char text[] = "[ERROR]系统忙，请稍后重试！\n";
  HostLogBlock log{text, 1, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostWriteLog, &log);
  EXPECT_EQ(PrintLast(h), u8"module 5 -> host: 20003 (log): level 1 \"[ERROR]系统忙，请稍后重试！\\n\" -> 0\n");
}

TEST(EventPrinter, ValuesInPlaceTreeRequestsAndUnknownBlocks) {
  RecordingHost h;
  h.OnModuleMessage(kTavorineModuleKind, kHostP2PInviteWindow, reinterpret_cast<void*>(1));
  EXPECT_EQ(PrintLast(h), "module 5 -> host: 108 (point-to-point invitation window): value 1 -> 0\n");
  HostTreeBlock tree{kTreeInviteDialog, nullptr, {0, 0, 0}};
  h.SendToModule(kDeptTreeService, kTreeUnregister, &tree, 0);
  EXPECT_EQ(PrintLast(h), "module -> host service 10: 114 (unregister tree): tree 4 -> 0\n");
  h.OnModuleMessage(kTavorineModuleKind, 4242, reinterpret_cast<void*>(0x1000));
  EXPECT_EQ(PrintLast(h), "module 5 -> host: 4242: block 0x1000 -> 0\n");
}

TEST(EventPrinter, FixedFieldWithoutTerminatorIsReadOnlyToItsEnd) {
  char field[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(host::QuoteField(field, sizeof field), "\"abcd\"");
  EXPECT_EQ(host::QuoteGbk(nullptr), "NULL");
}

}  // namespace
