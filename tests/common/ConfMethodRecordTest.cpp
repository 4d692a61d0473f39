#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/ConfMethodRecord.h"

namespace {

int IntAt(const void* record, size_t offset) {
  int value;
  memcpy(&value, static_cast<const char*>(record) + offset, sizeof value);
  return value;
}

const char* TextAt(const void* record, size_t offset) { return static_cast<const char*>(record) + offset; }

std::vector<unsigned char> Bytes(const ConfMethodRecord& rec) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(&rec);
  return std::vector<unsigned char>(p, p + sizeof rec);
}

TEST(ConfMethodRecord, BuildersFillTheirFieldsAtTheFixedOffsets) {
  CConfMethodRecordPtr rec;
  ConfCreateParams create;
  create.iConfType = 1;
  create.csSubject = "项目例会";
  create.iMaxMembers = 12;
  create.iDuration = 90;
  create.iRemainNotice = 10;
  create.iSplitScreen = 4;
  create.csChairPassword = "1234";
  create.csMemberPassword = "5678";
  create.csVisitorPassword = "9";
  create.bChairLeaveNoEnd = TRUE;
  BuildConfCreate(*rec, create);
  const void* raw = rec.get();
  EXPECT_EQ(1, IntAt(raw, 0x0000));
  EXPECT_STREQ("项目例会", TextAt(raw, 0x0105));
  EXPECT_EQ(1, IntAt(raw, 0x0146));
  EXPECT_EQ(0, IntAt(raw, 0x014A));
  EXPECT_EQ(12, IntAt(raw, 0x123C));
  EXPECT_EQ(90, IntAt(raw, 0x1254));
  EXPECT_EQ(10, IntAt(raw, 0x1258));
  EXPECT_EQ(4, IntAt(raw, 0x125C));
  EXPECT_STREQ("1234", TextAt(raw, 0x1365));
  EXPECT_STREQ("5678", TextAt(raw, 0x13A6));
  EXPECT_STREQ("9", TextAt(raw, 0x13E7));
  EXPECT_EQ(1, IntAt(raw, 0x1475));

  BuildConfExtension(*rec, "sip:c@h", "sip:m@h", 42, "801");
  EXPECT_EQ(10, IntAt(raw, 0));
  EXPECT_STREQ("sip:c@h", TextAt(raw, 0x0004));
  EXPECT_STREQ("sip:m@h", TextAt(raw, 0x046E));
  EXPECT_EQ(42, IntAt(raw, 0x1430));
  EXPECT_STREQ("801", TextAt(raw, 0x1434));
  EXPECT_STREQ("", TextAt(raw, 0x0105)) << "a builder starts from a zeroed record";

  BuildConfAnswer(*rec, "sip:peer@h", kP2PAssist, 1);
  EXPECT_EQ(3, IntAt(raw, 0));
  EXPECT_EQ(-2, IntAt(raw, 0x0146));
  EXPECT_EQ(1, IntAt(raw, 0x056F));

  BuildConfJoin(*rec, "sip:c@h", "246810");
  EXPECT_EQ(6, IntAt(raw, 0));
  EXPECT_STREQ("246810", TextAt(raw, 0x0573));

  BuildConfRemoveMember(*rec, "sip:c@h", "sip:m@h", 7);
  EXPECT_EQ(4, IntAt(raw, 0));
  EXPECT_STREQ("sip:c@h", TextAt(raw, 0x0004));
  EXPECT_STREQ("sip:m@h", TextAt(raw, 0x046E));
  EXPECT_EQ(7, IntAt(raw, 0x1430));
  EXPECT_STREQ("", TextAt(raw, 0x0573));

  BuildConfCreateP2P(*rec, "sip:peer@h", kP2PWhiteboard);
  EXPECT_EQ(1, IntAt(raw, 0));
  EXPECT_STREQ("sip:peer@h", TextAt(raw, 0x0004));
  EXPECT_EQ(-1, IntAt(raw, 0x0146));
  EXPECT_EQ(0, IntAt(raw, 0x1430));

  BuildConfEnd(*rec, "sip:c@h");
  EXPECT_EQ(12, IntAt(raw, 0));
  EXPECT_STREQ("sip:c@h", TextAt(raw, 0x0004));
  EXPECT_EQ(0, IntAt(raw, 0x0146));
}

TEST(ConfMethodRecord, TextsAreCutAtTheFieldLimit) {
  CConfMethodRecordPtr rec;
  std::string uri = "sip:" + std::string(296, 'a');  // 300 characters
  BuildConfInvite(*rec, uri.c_str(), uri.c_str());
  EXPECT_EQ(uri.substr(0, 256), TextAt(rec.get(), 0x0004));
  EXPECT_EQ(0, TextAt(rec.get(), 0x0104)[0]);
  EXPECT_EQ(uri.substr(0, 256), TextAt(rec.get(), 0x046E));

  ConfCreateParams create;
  create.csChairPassword = std::string(64, '7').c_str();
  create.csMemberPassword = std::string(65, '8').c_str();
  BuildConfCreate(*rec, create);
  EXPECT_EQ(std::string(64, '7'), TextAt(rec.get(), 0x1365));
  EXPECT_EQ(0, TextAt(rec.get(), 0x13A5)[0]);
  EXPECT_EQ(std::string(64, '8'), TextAt(rec.get(), 0x13A6));
}

TEST(ConfMethodRecord, CutNeverSplitsADoubleByteCharacter) {
  CConfMethodRecordPtr rec;
  // 255 ASCII bytes and one double-byte character: 257 bytes, the character does not fit.
  std::string uri = std::string(255, 'u') + "中";
  BuildConfLeave(*rec, uri.c_str());
  EXPECT_EQ(std::string(255, 'u'), TextAt(rec.get(), 0x0004));
  // 63 + 2 bytes for a char[65] field.
  std::string subject = std::string(63, 's') + "会";
  ConfCreateParams create;
  create.csSubject = subject.c_str();
  BuildConfCreate(*rec, create);
  EXPECT_EQ(std::string(63, 's'), TextAt(rec.get(), 0x0105));
  // Exactly 64 bytes ending in a double-byte character fit whole.
  create.csSubject = (std::string(62, 's') + "会").c_str();
  BuildConfCreate(*rec, create);
  EXPECT_EQ(std::string(62, 's') + "会", TextAt(rec.get(), 0x0105));
}

TEST(ConfMethodRecord, StoppingASubConferenceStoresMinusOne) {
  CConfMethodRecordPtr rec;
  BuildConfSubConf(*rec, "sip:c@h", kSubConfStop, 4);
  const unsigned char* raw = reinterpret_cast<const unsigned char*>(rec.get());
  EXPECT_EQ(8, IntAt(raw, 0));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(0xFF, raw[0x1428 + i]);
  EXPECT_EQ(4, IntAt(raw, 0x142C));
}

TEST(ConfMethodRecord, LeaveCarriesOnlyTheSubTypeAndTheURI) {
  CConfMethodRecordPtr rec;
  memset(rec.get(), 0xCC, sizeof(ConfMethodRecord));
  BuildConfLeave(*rec, "sip:conf9@ims.example.cn");
  std::vector<unsigned char> want(sizeof(ConfMethodRecord), 0);
  want[0] = 5;
  const char uri[] = "sip:conf9@ims.example.cn";
  memcpy(&want[4], uri, sizeof uri - 1);
  EXPECT_EQ(want, Bytes(*rec));
}

TEST(ConfMethodRecord, BookingFillsListsStartTimeAndChair) {
  CConfMethodRecordPtr rec;
  ConfBookParams book;
  book.csSubject = "季度评审";
  book.iConfType = 1;
  book.saMembers.Add("tel:80001");
  book.saMembers.Add("sip:80002@h");
  book.aSMS.Add({"13900000001", TRUE});
  book.aSMS.Add({"13900000002", FALSE});
  book.aEmail.Add({"a@example.cn", FALSE});
  book.aEmail.Add({"b@example.cn", TRUE});
  book.startTime = {2025, 1, 5, 9, 5, 3};
  book.csChairURI = "sip:chair@h";
  BuildConfBook(*rec, book);
  const void* raw = rec.get();
  EXPECT_EQ(7, IntAt(raw, 0));
  EXPECT_STREQ("2025-01-05 09:05:03", TextAt(raw, 0x1240));
  EXPECT_EQ(2, IntAt(raw, 0x014A));
  EXPECT_STREQ("sip:80002@h", GetConfListEntry(*rec, kConfMemberList, 1));
  EXPECT_EQ(nullptr, GetConfListEntry(*rec, kConfMemberList, 2));
  EXPECT_EQ(2, IntAt(raw, 0x05B4));
  EXPECT_EQ(1, IntAt(raw, 0x08D8));
  EXPECT_EQ(0, IntAt(raw, 0x08D8 + 4));
  EXPECT_EQ(2, IntAt(raw, 0x0BF8));
  EXPECT_STREQ("b@example.cn", GetConfListEntry(*rec, kConfEmailList, 1));
  EXPECT_EQ(0, IntAt(raw, 0x0F1C));
  EXPECT_EQ(1, IntAt(raw, 0x0F1C + 4));
  EXPECT_STREQ("sip:chair@h", TextAt(raw, 0x1264));
  FreeConfMethodLists(*rec);
  EXPECT_EQ(0, IntAt(raw, 0x014A));
  EXPECT_EQ(nullptr, GetConfListEntry(*rec, kConfSMSList, 0));
}

}  // namespace
