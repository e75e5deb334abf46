#include <gtest/gtest.h>

#include "ReadingCells.h"
#include "ReadingsTableDialog.h"

using namespace ReadingCells;

namespace {

TestRecord StartingAt(int year, int month, int day, int hour, int minute) {
    TestRecord t;
    t.yearBegin = year;
    t.monthBegin = month;
    t.dayBegin = day;
    t.hourBegin = hour;
    t.minBegin = minute;
    t.startMinuteOfDay = hour * 60 + minute;
    return t;
}

BpReading Reading(int sys, int dia) {
    BpReading r;
    r.systolic = sys;
    r.diastolic = dia;
    r.included = 1;
    return r;
}

} // namespace

TEST(ReadingCells, PressureWithMissingValues) {
    EXPECT_EQ(PressureText(Reading(0, 80)), QStringLiteral("---/80"));
    EXPECT_EQ(PressureText(Reading(120, 0)), QStringLiteral("120/---"));
    EXPECT_EQ(PressureText(Reading(121, 79)), QStringLiteral("121/79"));
}

TEST(ReadingCells, PulsePressureOfEqualValuesIsDashes) {
    EXPECT_EQ(PulsePressureText(Reading(90, 90)), QStringLiteral("---"));
    EXPECT_EQ(PulsePressureText(Reading(0, 0)), QStringLiteral("---"));
    EXPECT_EQ(PulsePressureText(Reading(121, 79)), QStringLiteral("42"));
}

TEST(ReadingCells, TimeWritesMinutesBelowTenWithALeadingZero) {
    const TestRecord t = StartingAt(2026, 3, 1, 8, 0);
    BpReading r = Reading(120, 80);
    r.minutesFromStart = 5;
    EXPECT_EQ(CellText(t, r, Column::Time), QStringLiteral("8:05"));
    r.minutesFromStart = 15;
    EXPECT_EQ(CellText(t, r, Column::Time), QStringLiteral("8:15"));
    EXPECT_EQ(TimeText(0, 0), QStringLiteral("0:00"));
}

TEST(ReadingCells, DateAndTimeCarryOverMidnightAndMonthEnd) {
    // 2026 is no leap year: 28 February 23:30 + 45 minutes is 1 March 0:15.
    const TestRecord t = StartingAt(2026, 2, 28, 23, 30);
    BpReading r = Reading(120, 80);
    r.minutesFromStart = 45;
    EXPECT_EQ(CellText(t, r, Column::Date), QStringLiteral("2026-3-1"));
    EXPECT_EQ(CellText(t, r, Column::Time), QStringLiteral("0:15"));
    r.minutesFromStart = 2 * 1440 + 30; // 1410 + 2910 = 4320 minutes: three days on, 0:00
    EXPECT_EQ(CellText(t, r, Column::Date), QStringLiteral("2026-3-3"));
    EXPECT_EQ(CellText(t, r, Column::Time), QStringLiteral("0:00"));
}

TEST(ReadingCells, ErrorCodeNineWithoutCommentShowsWeakSignal) {
    const TestRecord t = StartingAt(2026, 3, 1, 8, 0);
    BpReading r = Reading(0, 0);
    r.errorCode = 9;
    EXPECT_EQ(CellText(t, r, Column::ErrorNumber), QStringLiteral("1"));
    EXPECT_EQ(CellText(t, r, Column::Comment), QStringLiteral("弱信号"));
    r.comment = "moved";
    EXPECT_EQ(CellText(t, r, Column::Comment), QStringLiteral("moved"));
}

TEST(ReadingCells, ErrorCodeTable) {
    struct Row {
        int code;
        const char* number;
        const char* text;
    };
    const Row rows[] = {
        {0, "", ""},
        {1, "", "漏气"},
        {2, "102", "自检失败"},
        {3, "", ""},
        {4, "90", "电池电量低"},
        {5, "86", "按键停止"},
        {6, "85", "导气管堵塞"},
        {7, "87", "漏气"},
        {8, "2", "过分运动"},
        {9, "1", "弱信号"},
        {10, "110", "超出测量范围"},
        {11, "2", "过分运动"},
        {12, "89", "超过压力范围"},
        {13, "", "漏气"},
        {14, "114", "漏气"},
        {15, "115", "系统错误"},
        {19, "4", "超时"},
        {200, "", "漏气"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ErrorNumberText(row.code), QString::fromUtf8(row.number)) << row.code;
        EXPECT_EQ(ErrorText(row.code), QString::fromUtf8(row.text)) << row.code;
    }
}

TEST(ReadingCells, NumberIsOneBasedWithPlusForMarkedReadings) {
    BpReading r = Reading(120, 80);
    r.number = 4;
    EXPECT_EQ(NumberText(r), QStringLiteral("5"));
    r.marked = 1;
    EXPECT_EQ(NumberText(r), QStringLiteral("5+"));
}

TEST(ReadingCells, ExclusionColumnAndSummary) {
    BpReading r = Reading(120, 80);
    EXPECT_EQ(ExclusionText(r), QString());
    r.included = 0;
    EXPECT_EQ(ExclusionText(r), QStringLiteral("*"));
    EXPECT_EQ(ExclusionSummary(3, 40), QStringLiteral("*=3/40(7.5%)"));
    EXPECT_EQ(ExclusionSummary(1, 3), QStringLiteral("*=1/3(33.3%)"));
    EXPECT_EQ(ExclusionSummary(0, 0), QStringLiteral("*=0/0(0.0%)")); // no division by zero
}

TEST(ReadingsTableColumns, TitlesKeepTheirBlanksAndWidthsSkipThem) {
    const auto specs = ReadingsTableDialog::ParseColumns(QStringLiteral(
        "*xx/xx,150; 编号,65;时间,60;日期,90;血压(mmHg),94;心率(BPM),90;平均压(mmHg),93;"
        "压差(mmHg),93;TC错误代号,50; 注释, 230"));
    ASSERT_EQ(specs.size(), 10);
    EXPECT_EQ(specs[0].title, QStringLiteral("*xx/xx"));
    EXPECT_EQ(specs[0].width, 150);
    EXPECT_EQ(specs[1].title, QStringLiteral(" 编号"));
    EXPECT_EQ(specs[1].width, 65);
    EXPECT_EQ(specs[9].title, QStringLiteral(" 注释"));
    EXPECT_EQ(specs[9].width, 230);
}
