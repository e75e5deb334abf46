#include <gtest/gtest.h>

#include "ReadingBuilders.h"
#include "ReadingCells.h"

using namespace ReadingCells;

namespace {

BpReading With(BpReading r, int errorCode, const char* comment, int number = 0, int marked = 0) {
    r.errorCode = errorCode;
    r.comment = comment;
    r.number = number;
    r.marked = marked;
    return r;
}

} // namespace

TEST(ReadingCells, EachColumnFollowsItsRuleAndTheSummaryCountsTheExcluded) {
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
        {Reading(0, 80), PulsePressure, "---"}, // not -80: the systolic value is missing
        {Reading(120, 0), PulsePressure, "---"},
        {Reading(121, 79), PulsePressure, "42"},
        {Reading(120, 80, 70, 35), Time, "0:05"}, // 23:30 + 35 minutes; a zero before 5
        {Reading(120, 80, 70, 45), Date, "2026-3-1"},
        {Reading(120, 80, 70, 2 * 1440 + 30), Time, "0:00"}, // 1410 + 2910 = 4320: three days on
        {Reading(120, 80, 70, 2 * 1440 + 30), Date, "2026-3-3"},
        {With(Reading(0, 0), 9, ""), ErrorNumber, "1"},
        {With(Reading(0, 0), 9, ""), Comment, "弱信号"}, // no comment: the error's text
        {With(Reading(0, 0), 9, "moved"), Comment, "moved"},
        {With(Reading(120, 80), 0, "", 4), Number, "5"},
        {With(Reading(120, 80), 0, "", 4, 1), Number, "5+"},
        {Reading(120, 80), Exclusion, ""},
        {Reading(120, 80, 70, 0, 0), Exclusion, "*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText(t, c.reading, c.column), QString::fromUtf8(c.text)) << c.text;
    EXPECT_EQ(ExclusionSummary(3, 40), QStringLiteral("*=3/40(7.5%)"));
    EXPECT_EQ(ExclusionSummary(0, 0), QStringLiteral("*=0/0(0.0%)")); // no division by zero
}
