#include <gtest/gtest.h>

#include "ReadingCells.h"
#include "ReadingsTableDialog.h"

using namespace ReadingCells;

namespace {

BpReading Reading(int sys, int dia, int minutes = 0) {
    BpReading r;
    r.systolic = sys;
    r.diastolic = dia;
    r.minutesFromStart = minutes;
    r.included = 1;
    return r;
}

BpReading Failed(int errorCode, const char* comment) {
    BpReading r = Reading(0, 0);
    r.errorCode = errorCode;
    r.comment = comment;
    return r;
}

BpReading Numbered(int number, int marked, int included) {
    BpReading r = Reading(120, 80);
    r.number = number;
    r.marked = marked;
    r.included = included;
    return r;
}

} // namespace

TEST(ReadingCells, EachColumnFollowsItsRule) {
    // From 28 February 2026 23:30; 2026 is no leap year, so the next day is 1 March.
    TestRecord t;
    t.yearBegin = 2026;
    t.monthBegin = 2;
    t.dayBegin = 28;
    t.hourBegin = 23;
    t.minBegin = 30;
    const struct {
        BpReading reading;
        Column column;
        const char* text;
    } cases[] = {
        {Reading(0, 80), Pressure, "---/80"},
        {Reading(120, 0), Pressure, "120/---"},
        {Reading(121, 79), Pressure, "121/79"},
        {Reading(90, 90), PulsePressure, "---"},
        {Reading(0, 0), PulsePressure, "---"},
        {Reading(121, 79), PulsePressure, "42"},
        {Reading(120, 80, 35), Time, "0:05"}, // 23:30 + 35 minutes; a zero before 5
        {Reading(120, 80, 45), Time, "0:15"},
        {Reading(120, 80, 45), Date, "2026-3-1"},
        {Reading(120, 80, 2 * 1440 + 30), Time, "0:00"}, // 1410 + 2910 = 4320: three days on
        {Reading(120, 80, 2 * 1440 + 30), Date, "2026-3-3"},
        {Failed(9, ""), ErrorNumber, "1"},
        {Failed(9, ""), Comment, "弱信号"}, // no comment: the error's text
        {Failed(9, "moved"), Comment, "moved"},
        {Numbered(4, 0, 1), Number, "5"},
        {Numbered(4, 1, 1), Number, "5+"},
        {Numbered(4, 0, 1), Exclusion, ""},
        {Numbered(4, 0, 0), Exclusion, "*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText(t, c.reading, c.column), QString::fromUtf8(c.text)) << c.text;
}

TEST(ReadingCells, ExclusionSummaryPercentages) {
    EXPECT_EQ(ExclusionSummary(3, 40), QStringLiteral("*=3/40(7.5%)"));
    EXPECT_EQ(ExclusionSummary(1, 3), QStringLiteral("*=1/3(33.3%)"));
    EXPECT_EQ(ExclusionSummary(0, 0), QStringLiteral("*=0/0(0.0%)")); // no division by zero
}

TEST(ReadingsTableColumns, TitlesKeepTheirBlanksAndWidthsSkipThem) {
    const auto specs =
        ReadingsTableDialog::ParseColumns(QStringLiteral("*xx/xx,150; 编号,65; 注释, 230"));
    ASSERT_EQ(specs.size(), 3);
    EXPECT_EQ(specs[0].title, QStringLiteral("*xx/xx"));
    EXPECT_EQ(specs[0].width, 150);
    EXPECT_EQ(specs[1].title, QStringLiteral(" 编号"));
    EXPECT_EQ(specs[2].title, QStringLiteral(" 注释"));
    EXPECT_EQ(specs[2].width, 230);
}
