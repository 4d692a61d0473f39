// The conference method record as the module hands it on: a list's surplus logged through the
// module's log, and the record's bytes and list texts as the host reads them (code 102).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/ConfMethodRecord.h"
#include "tests/support/module/ModuleFixture.h"

namespace {

using tavtest::ModuleTest;

int IntAt(const void* record, size_t offset) {
  int value;
  memcpy(&value, static_cast<const char*>(record) + offset, sizeof value);
  return value;
}

const char* TextAt(const void* record, size_t offset) { return static_cast<const char*>(record) + offset; }

TEST_F(ModuleTest, PointerListsStopAtTwoHundredEntriesAndLogTheRest) {
  CConfMethodRecordPtr rec;
  ConfBookParams book;
  for (int i = 0; i < 250; ++i) {
    CString number;
    number.Format("1390000%04d", i);
    book.saMembers.Add(number);
    book.aSMS.Add({number, i % 2 == 0});
  }
  book.aEmail.Add({"only@example.cn", TRUE});
  BuildConfBook(*rec, book);
  const void* raw = rec.get();
  EXPECT_EQ(200, IntAt(raw, 0x014A));
  EXPECT_STREQ("13900000199", GetConfListEntry(*rec, kConfMemberList, 199));
  EXPECT_EQ(200, IntAt(raw, 0x05B4));
  EXPECT_EQ(0, IntAt(raw, 0x08D8 + 199 * 4));
  EXPECT_EQ(1, IntAt(raw, 0x08D8 + 198 * 4));
  // What follows each list is untouched by the surplus.
  EXPECT_STREQ("", TextAt(raw, 0x046E));
  EXPECT_EQ(1, IntAt(raw, 0x0BF8));
  EXPECT_STREQ("only@example.cn", GetConfListEntry(*rec, kConfEmailList, 0));
  EXPECT_EQ(1, IntAt(raw, 0x0F1C));
  EXPECT_EQ(0, IntAt(raw, 0x0F1C + 4));

  std::vector<std::string> logs = Host().LogLines();
  ASSERT_EQ(2u, logs.size()) << "one line for each list that overflowed";
  EXPECT_EQ(0u, logs[0].find("[ERROR]AddConfListEntry"));
  EXPECT_FALSE(AddConfListEntry(*rec, kConfMemberList, "one more"));
  EXPECT_EQ(200, IntAt(raw, 0x014A));
}

TEST_F(ModuleTest, HostReadsTheRecordBytesAndTheListTexts) {
  CConfMethodRecordPtr rec;
  ConfBookParams book;
  book.csSubject = "周会";
  book.saMembers.Add("tel:80001");
  BuildConfBook(*rec, book);
  ASSERT_EQ(1, bIMSConfMethod(1, rec.get()));
  const ConfMethodRecord* seen = Host().ConfMethod1(0);
  ASSERT_NE(nullptr, seen);
  EXPECT_EQ(7, IntAt(seen, 0));
  EXPECT_STREQ("周会", TextAt(seen, 0x0105));
  EXPECT_EQ(1, IntAt(seen, 0x014A));
  EXPECT_STREQ("tel:80001", GetConfListEntry(*seen, kConfMemberList, 0));
  host::HostEvent event = Host().EventsWithCode(kHostConfMethod).at(0);
  const HostMethodBlock* block = event.As<HostMethodBlock>();
  int method = block->nMethod;
  EXPECT_EQ(1, method);
}

}  // namespace
