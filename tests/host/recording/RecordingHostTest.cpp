// The recording host keeps deep copies of what a module sends: senders free their blocks as
// soon as the call returns, so every check below frees (and scribbles over) the originals first.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "host/recording/RecordingHost.h"

namespace {

using host::Channel;
using host::RecordingHost;

// A heap text like the module's list buffers (257 bytes, zero-filled).
char* ListText(const char* text) {
  char* buffer = static_cast<char*>(std::calloc(257, 1));
  std::strncpy(buffer, text, 256);
  return buffer;
}

void SetEntry(void* list, int i, char* text) { std::memcpy(static_cast<char*>(list) + i * sizeof text, &text, sizeof text); }
char* Entry(const void* list, int i) {
  char* text;
  std::memcpy(&text, static_cast<const char*>(list) + i * sizeof text, sizeof text);
  return text;
}
int IntAt(const void* array, int i) {
  int value;
  std::memcpy(&value, static_cast<const char*>(array) + i * sizeof value, sizeof value);
  return value;
}

void FreeList(void* list, int count) {
  for (int i = 0; i < count; ++i) {
    char* text = Entry(list, i);
    std::memset(text, 'x', 256);
    std::free(text);
  }
}

// Sends a booking with members, SMS and e-mail lists as the book page does, then frees and
// scribbles over every block.
void SendBooking(RecordingHost& h) {
  auto rec = std::make_unique<ConfMethodRecord>();
  std::memset(rec.get(), 0, sizeof *rec);
  rec->iSubType = kConfBook;
  std::strcpy(rec->szSubject, "周会");
  SetEntry(rec->pMemberList, 0, ListText("sip:100@a.com"));
  SetEntry(rec->pMemberList, 1, ListText("sip:101@a.com"));
  rec->iMemberCount = 2;
  SetEntry(rec->pSMSList, 0, ListText("13800000000"));
  int one = 1;
  std::memcpy(rec->iSMSChairFlag, &one, sizeof one);
  rec->iSMSCount = 1;
  SetEntry(rec->pEmailList, 0, ListText("a@b.com"));
  rec->iEmailCount = 1;
  HostMethodBlock block{1, rec.get(), 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostConfMethod, &block);
  FreeList(rec->pMemberList, 2);
  FreeList(rec->pSMSList, 1);
  FreeList(rec->pEmailList, 1);
  std::memset(rec.get(), 0xCD, sizeof *rec);
}

TEST(RecordingHostCopies, ConfMethodRecordAndItsListsOutliveTheSender) {
  RecordingHost h;
  SendBooking(h);
  const ConfMethodRecord* rec = h.ConfMethod1(0);
  ASSERT_NE(rec, nullptr);
  int subType = rec->iSubType, members = rec->iMemberCount, sms = rec->iSMSCount, mails = rec->iEmailCount;
  EXPECT_EQ(subType, kConfBook);
  EXPECT_STREQ(rec->szSubject, "周会");
  ASSERT_EQ(members, 2);
  EXPECT_STREQ(Entry(rec->pMemberList, 0), "sip:100@a.com");
  EXPECT_STREQ(Entry(rec->pMemberList, 1), "sip:101@a.com");
  EXPECT_EQ(Entry(rec->pMemberList, 2), nullptr);
  ASSERT_EQ(sms, 1);
  EXPECT_STREQ(Entry(rec->pSMSList, 0), "13800000000");
  EXPECT_EQ(IntAt(rec->iSMSChairFlag, 0), 1);
  ASSERT_EQ(mails, 1);
  EXPECT_STREQ(Entry(rec->pEmailList, 0), "a@b.com");
  EXPECT_EQ(IntAt(rec->iEmailChairFlag, 0), 0);
  EXPECT_EQ(h.ConfMethod1(1), nullptr);
}

TEST(RecordingHostCopies, RecordsOfMethod1AreFoundInOrderAmongOtherMethods) {
  RecordingHost h;
  ConfMethodRecord leave{};
  leave.iSubType = kConfLeave;
  int serverTime = 1;
  HostMethodBlock time{10, &serverTime, 0};
  HostMethodBlock first{1, &leave, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostConfMethod, &time);
  h.OnModuleMessage(kTavorineModuleKind, kHostConfMethod, &first);
  SendBooking(h);
  ASSERT_NE(h.ConfMethod1(1), nullptr);
  int firstType = h.ConfMethod1(0)->iSubType, secondType = h.ConfMethod1(1)->iSubType;
  EXPECT_EQ(firstType, kConfLeave);
  EXPECT_EQ(secondType, kConfBook);
  ASSERT_EQ(h.ConfMethodRecords(10).size(), 1u);
  EXPECT_EQ(*static_cast<const int*>(h.ConfMethodRecords(10)[0]), 1);
}

TEST(RecordingHostCopies, HostileListCountIsClampedAndUnterminatedTextsAreCut) {
  RecordingHost h;
  auto rec = std::make_unique<ConfMethodRecord>();
  std::memset(rec.get(), 0, sizeof *rec);
  rec->iSubType = kConfBook;
  for (int i = 0; i < kConfListCapacity; ++i) {
    char* text = static_cast<char*>(std::malloc(257));
    std::memset(text, 'a' + i % 26, 257);  // no terminator anywhere
    SetEntry(rec->pMemberList, i, text);
  }
  rec->iMemberCount = 5000;
  HostMethodBlock block{1, rec.get(), 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostConfMethod, &block);
  for (int i = 0; i < kConfListCapacity; ++i) std::free(Entry(rec->pMemberList, i));
  const ConfMethodRecord* copy = h.ConfMethod1(0);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::string(Entry(copy->pMemberList, 199)), std::string(256, 'a' + 199 % 26));
}

TEST(RecordingHostCopies, TextsOfLogSkinAndDepartmentBlocks) {
  RecordingHost h;
  std::string text = "CDlgDataConf::OnInitDialog()\n";
  HostLogBlock log{&text[0], 1, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostWriteLog, &log);
  text.assign(text.size(), 'z');
  std::string file = "media.skn", section = "window01";
  HostSkinBlock skin{nullptr, file.c_str(), section.c_str()};
  h.OnModuleMessage(kTavorineModuleKind, kHostSkinWindow, &skin);
  file.assign(file.size(), 'z');
  std::string dept = "sip:dept@a.com";
  HostWatchDeptBlock watch{kWatchDeptStart, dept.c_str(), 1, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostWatchDept, &watch);
  dept.assign(dept.size(), 'z');

  ASSERT_EQ(h.LogLines().size(), 1u);
  EXPECT_EQ(h.LogLines()[0], "CDlgDataConf::OnInitDialog()\n");
  const HostSkinBlock* skinCopy = h.EventsWithCode(kHostSkinWindow).at(0).As<HostSkinBlock>();
  EXPECT_STREQ(skinCopy->pSkinFile, "media.skn");
  EXPECT_STREQ(skinCopy->pSection, "window01");
  EXPECT_STREQ(h.EventsWithCode(kHostWatchDept).at(0).As<HostWatchDeptBlock>()->pDeptURI, "sip:dept@a.com");
}

TEST(RecordingHostCopies, TreeServiceRequestsAreKeptApartFromHostMessages) {
  RecordingHost h;
  HostTreeBlock tree{kTreeCreatePage, nullptr, {0, 0, 0}};
  h.SendToModule(kDeptTreeService, kTreeRegister, &tree, 0);
  HostMemberRightQueryBlock query{};
  std::strcpy(query.szNumber, "8001");
  h.OnModuleMessage(kTavorineModuleKind, kHostMemberRightQuery, &query);

  ASSERT_EQ(h.CountCode(kTreeRegister, Channel::kRequest), 1u);
  ASSERT_EQ(h.CountCode(kHostMemberRightQuery, Channel::kMessage), 1u);
  host::HostEvent request = h.EventsWithCode(kTreeRegister, Channel::kRequest)[0];
  EXPECT_EQ(request.sender, kDeptTreeService);
  EXPECT_EQ(request.As<HostTreeBlock>()->nTree, kTreeCreatePage);
  EXPECT_STREQ(h.EventsWithCode(kHostMemberRightQuery)[0].As<HostMemberRightQueryBlock>()->szNumber, "8001");
}

TEST(RecordingHostCopies, BlocksOfUnknownLayoutAndValuesInPlaceAreNotRead) {
  RecordingHost h;
  // Code 108 passes the value itself; reading it as an address would crash.
  h.OnModuleMessage(kTavorineModuleKind, kHostP2PInviteWindow, reinterpret_cast<void*>(1));
  char opaque[4] = {};
  h.OnModuleMessage(kTavorineModuleKind, 9999, opaque);
  h.OnModuleMessage(kTavorineModuleKind, kHostStateChanged, nullptr);
  ASSERT_EQ(h.Events().size(), 3u);
  EXPECT_EQ(h.Events()[0].blockAddress, 1u);
  EXPECT_EQ(h.Events()[0].copy, nullptr);
  EXPECT_EQ(h.Events()[1].copy, nullptr);
  EXPECT_EQ(h.Events()[2].blockAddress, 0u);
}

TEST(RecordingHostCopies, DataConferenceRecordOfAMethodWithoutRuleIsNotFollowed) {
  RecordingHost h;
  int record[4] = {7, 0, 0, 0};
  HostMethodBlock block{9, record, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostDataConfRecord, &block);
  const HostMethodBlock* copy = h.Events().at(0).As<HostMethodBlock>();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->nMethod, 9);
  EXPECT_EQ(copy->pRecord, nullptr);
}

TEST(RecordingHostCopies, AnAddedRecordRuleFollowsTheRecord) {
  RecordingHost h;
  h.Copiers().SetRecord(kHostDataConfRecord, 5, [](const void* record, host::BlockArena& arena) -> const void* {
    return arena.CopyBytes(record, 8);
  });
  int vote[2] = {3, 4};
  HostMethodBlock block{5, vote, 0};
  h.OnModuleMessage(kTavorineModuleKind, kHostDataConfRecord, &block);
  vote[1] = 0;
  const int* copy = static_cast<const int*>(h.Events().at(0).As<HostMethodBlock>()->pRecord);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy[1], 4);
}

}  // namespace
