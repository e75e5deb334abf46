#include <gtest/gtest.h>

#include "ReadingBuilders.h"
#include "SleepPeriods.h"
#include "TempDir.h"

TEST(SleepPeriods, MissingKeysReadAsSevenAndTwentyTwoAndOnlyValidWritesGoToTheLoadedTest) {
    // Slot texts: hours without a leading zero.
    EXPECT_EQ(SleepPeriods::SlotText(14), "7:00");
    EXPECT_EQ(SleepPeriods::SlotText(47), "23:30");
    EXPECT_EQ(SleepPeriods::SlotText(48), "");
    const std::string twoTests = "[PATIENT DATA]\r\nTest Count=2\r\n"
                                 "[TEST 1]\r\nAwake Time=12\r\nCount=0\r\n"
                                 "[TEST 2]\r\nCount=0\r\n";
    TempDir dir;
    const std::string path = dir.file("r.awp"), gone = dir.file("gone.awp");
    WriteFileBytes(path, twoTests);
    SleepPeriods::Slots slots{1, 2};
    EXPECT_FALSE(SleepPeriods::Read(gone, "TEST 1", slots));
    ASSERT_TRUE(SleepPeriods::Read(path, "TEST 2", slots));
    EXPECT_EQ(slots.awake, 14);
    EXPECT_EQ(slots.asleep, 44);
    ASSERT_TRUE(SleepPeriods::Read(path, "TEST 1", slots));
    EXPECT_EQ(slots.awake, 12);

    // Refused: a record that is gone stays gone; slots outside the day change nothing.
    auto test = MakeTest(0, 14 * 30, 44 * 30, {});
    test->section = "TEST 2";
    EXPECT_FALSE(SleepPeriods::Write(gone, {14, 44}, *test));
    EXPECT_FALSE(FileExists(gone));
    EXPECT_FALSE(SleepPeriods::Write(path, {14, 48}, *test));
    EXPECT_FALSE(SleepPeriods::Write(path, {-1, 44}, *test));
    EXPECT_EQ(ReadFileBytes(path), twoTests);
    EXPECT_EQ(test->asleepStartMinute, 44 * 30);

    // 23:30 is slot 47.
    ASSERT_TRUE(SleepPeriods::Write(path, {16, 47}, *test));
    EXPECT_EQ(test->asleepStartMinute, 1410);
    EXPECT_EQ(test->awakeStartMinute, 480);
    // New keys go directly under the header; asleep is written first.
    EXPECT_EQ(ReadFileBytes(path), "[PATIENT DATA]\r\nTest Count=2\r\n"
                                   "[TEST 1]\r\nAwake Time=12\r\nCount=0\r\n"
                                   "[TEST 2]\r\nAwake Time=16\r\nAsleep Time=47\r\nCount=0\r\n");
    ASSERT_TRUE(SleepPeriods::Read(path, "TEST 2", slots));
    EXPECT_EQ(slots.awake, 16);
    EXPECT_EQ(slots.asleep, 47);
}
