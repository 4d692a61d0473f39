#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "platform/Time.h"

class TimeTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::Clock::UseVirtual(0, 8 * 3600); }
  void TearDown() override { platform::Clock::UseReal(); }
};

TEST_F(TimeTest, LocalFieldsRoundTripPastTheYear2038) {
  for (int year : {1970, 2000, 2024, 2038, 2099}) {
    CTime t(year, 2, 28, 23, 59, 58);
    ASSERT_TRUE(t.IsValid());
    EXPECT_EQ(year, t.GetYear());
    EXPECT_EQ(2, t.GetMonth());
    EXPECT_EQ(28, t.GetDay());
    EXPECT_EQ(23, t.GetHour());
    EXPECT_EQ(59, t.GetMinute());
    EXPECT_EQ(58, t.GetSecond());
  }
  EXPECT_STREQ("2024-02-29 08:00:00", CTime(2024, 2, 29, 8, 0, 0).Format("%Y-%m-%d %H:%M:%S"));
  EXPECT_EQ(5, CTime(2026, 12, 3, 0, 0, 0).GetDayOfWeek());  // a Thursday
}

TEST_F(TimeTest, ImpossibleDatesAreInvalid) {
  EXPECT_FALSE(CTime(2023, 2, 29, 0, 0, 0).IsValid());
  EXPECT_FALSE(CTime(2024, 13, 1, 0, 0, 0).IsValid());
  EXPECT_FALSE(CTime(2024, 1, 1, 24, 0, 0).IsValid());
  EXPECT_STREQ("", CTime(2024, 1, 1, 24, 0, 0).Format("%Y"));
}

TEST_F(TimeTest, VirtualClockMovesOnlyWhenAdvanced) {
  uint32_t before = platform::Clock::TickCount();
  CTime now = CTime::GetCurrentTime();
  platform::Clock::AdvanceVirtual(61000);
  EXPECT_EQ(before + 61000, platform::Clock::TickCount());
  EXPECT_EQ(61, (CTime::GetCurrentTime() - now).GetTotalSeconds());
  EXPECT_EQ(8, now.GetHour());
}
