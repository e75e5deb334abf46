#include <gtest/gtest.h>

#include "FakeTiming.h"
#include "MeasurementPlan.h"

namespace {

using O = MeasurementPlan;

PlanChoices Choices() {
    PlanChoices c;
    c.patientName = "Wang";
    c.patientId = "A12";
    return c;
}

TEST(MeasurementPlan, DefaultTimesAndIntervalsLandAtTheirOffsets) {
    PlanChoices c = Choices();
    c.awakeSpan = 3; // "15 分钟"
    const auto b =
        O::Ambulatory(c, RecorderKind::VeloraAmbulatory, UtcTime(2010, 3, 15, 12, 30)).bytes();
    EXPECT_EQ(b[O::kAwakeStart], 7);
    EXPECT_EQ(b[O::kAwakeStart + 1], 0);
    EXPECT_EQ(b[O::kAwakeInterval], 15);
    EXPECT_EQ(b[O::kAsleepStart], 22);
    EXPECT_EQ(b[O::kAsleepStart + 1], 0);
    EXPECT_EQ(b[O::kAsleepInterval], 30);
    EXPECT_EQ(b[O::kConstantOne], 1);
    EXPECT_EQ(b[O::kConstant24], 0x18);
    EXPECT_EQ(b[O::kDisplay], 0x01);
    EXPECT_EQ(b[O::kStartKey], 0x01);
    EXPECT_EQ(b[O::kReserved], 0);
    EXPECT_EQ(b[O::kKindByte], 0x51);
}

TEST(MeasurementPlan, NoneEntriesBecomeFF) {
    PlanChoices c = Choices();
    c.awakeSpan = 0;
    const auto b = O::Ambulatory(c, RecorderKind::ZemAbpm, UtcTime(2010, 3, 15, 12, 30)).bytes();
    EXPECT_EQ(b[63], 0xFF);
    EXPECT_EQ(b[64], 0xFF);
    EXPECT_EQ(b[65], 0xFF);
    EXPECT_EQ(b[66], 0xFF);
    EXPECT_EQ(b[67], 0xFF);
    EXPECT_EQ(b[59], 0xFF);
    EXPECT_EQ(b[70], 0); // kind 0 has no kind byte
}

TEST(MeasurementPlan, SpecialPeriodAndSwitches) {
    PlanChoices c = Choices();
    c.specialStart = 27; // slot 26: 13:00
    c.specialEnd = 30;   // slot 29: 14:30
    c.specialSpan = 9;   // 120 minutes
    c.display = 1;
    c.startKey = 1;
    const auto b = O::Ambulatory(c, RecorderKind::ZemAbpm, UtcTime(2010, 3, 15, 12, 30)).bytes();
    EXPECT_EQ(b[63], 13);
    EXPECT_EQ(b[64], 0);
    EXPECT_EQ(b[65], 120);
    EXPECT_EQ(b[66], 14);
    EXPECT_EQ(b[67], 30);
    EXPECT_EQ(b[55], 0xFF);
    EXPECT_EQ(b[56], 0xFF);
}

TEST(MeasurementPlan, ClockAndStartFiveMinutesLaterRollOverTheYear) {
    const auto b =
        O::Ambulatory(Choices(), RecorderKind::ZemAbpm, UtcTime(2010, 12, 31, 23, 58)).bytes();
    // 2010 = 0x07DA, 2011 = 0x07DB, big-endian.
    const std::vector<int> now{0x07, 0xDA, 12, 31, 23, 58};
    const std::vector<int> start{0x07, 0xDB, 1, 1, 0, 3};
    EXPECT_EQ(std::vector<int>(b.begin() + 41, b.begin() + 47), now);
    EXPECT_EQ(std::vector<int>(b.begin() + 47, b.begin() + 53), start);
}

TEST(MeasurementPlan, NameAndIdentifierFillTheirFields) {
    PlanChoices c = Choices();
    c.patientName = std::string(29, 'N');
    c.patientId = std::string(10, '9');
    const auto b = O::Ambulatory(c, RecorderKind::ZemAbpm, UtcTime(2010, 3, 15, 12, 30)).bytes();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 29), std::string(29, 'N'));
    EXPECT_EQ(b[29], 0);
    EXPECT_EQ(std::string(b.begin() + 30, b.begin() + 40), std::string(10, '9'));
    EXPECT_EQ(b[40], 0);
}

TEST(MeasurementPlan, MonitoringPlanCutsTextsWithoutSplittingACharacter) {
    const std::string zhang = "\xD5\xC5"; // GBK, two bytes
    std::string name, id;
    for (int i = 0; i < 16; ++i)
        name += zhang; // 32 bytes
    for (int i = 0; i < 6; ++i)
        id += zhang; // 12 bytes
    const MonitoringClock clock{2024, 2, 29, 23, 59, 58};
    const MeasurementPlan plan = O::Monitoring(name, id, clock);
    const auto& b = plan.bytes();

    EXPECT_EQ(std::string(b.begin(), b.begin() + 30), name.substr(0, 30));
    // 11 bytes would split the sixth character: five characters and a zero byte.
    EXPECT_EQ(std::string(b.begin() + 30, b.begin() + 40), id.substr(0, 10));
    EXPECT_EQ(b[40], 0);
    const std::vector<int> clockBytes{0x07, 0xE8, 2, 29, 23, 59, 58, 0};
    EXPECT_EQ(std::vector<int>(b.begin() + 41, b.begin() + 49), clockBytes);
    for (std::size_t i = 49; i < 70; ++i)
        EXPECT_EQ(b[i], 0) << "offset " << i;
    EXPECT_EQ(b[70], 0x52);
    EXPECT_EQ(plan.sentLength(), 71);
    EXPECT_EQ(plan.acknowledgeByte(), 0x55);
}

TEST(MeasurementPlan, KindDecidesLengthAndAcknowledgeByte) {
    EXPECT_EQ(O::Ambulatory(Choices(), RecorderKind::ZemAbpm, 0).sentLength(), 70);
    EXPECT_EQ(O::Ambulatory(Choices(), RecorderKind::ZemAbpm, 0).acknowledgeByte(), 0xAA);
    EXPECT_EQ(O::Ambulatory(Choices(), RecorderKind::VeloraAmbulatory, 0).sentLength(), 71);
    EXPECT_EQ(O::Ambulatory(Choices(), RecorderKind::VeloraAmbulatory, 0).acknowledgeByte(), 0x55);
}

TEST(MeasurementPlan, PositionsOutsideTheirListsAreRefused) {
    PlanChoices c = Choices();
    c.awakeTime = 48;
    EXPECT_THROW(O::Ambulatory(c, RecorderKind::ZemAbpm, 0), std::out_of_range);
}

TEST(PeriodCode, StartInsideAwakeWrappingMidnight) {
    PlanChoices c = Choices();
    c.awakeTime = 44;  // 22:00
    c.asleepTime = 14; // 07:00
    // Measurement starts 5 minutes after the clock: 23:00 and 12:00.
    EXPECT_EQ(O::Ambulatory(c, RecorderKind::ZemAbpm, UtcTime(2010, 3, 15, 22, 55))
                  .bytes()[O::kPeriodCode],
              1);
    EXPECT_EQ(O::Ambulatory(c, RecorderKind::ZemAbpm, UtcTime(2010, 3, 15, 11, 55))
                  .bytes()[O::kPeriodCode],
              2);
}

TEST(PeriodCode, ClassifiesTheMeasurementStartNotTheClock) {
    // Awake from 07:00 to 22:00: the clock at 21:58 is awake, the start at 22:03 is not.
    EXPECT_EQ(O::Ambulatory(Choices(), RecorderKind::ZemAbpm, UtcTime(2010, 3, 15, 21, 58))
                  .bytes()[O::kPeriodCode],
              2);
}

TEST(PeriodCode, SpecialPeriodWinsAndNeedsBothEnds) {
    const int a = 7 * 60, b = 22 * 60;
    EXPECT_EQ(O::PeriodCode(13 * 60, a, b, 12 * 60, 14 * 60), 3);
    EXPECT_EQ(O::PeriodCode(14 * 60, a, b, 12 * 60, 14 * 60), 3); // ends are inclusive
    EXPECT_EQ(O::PeriodCode(15 * 60, a, b, 12 * 60, 14 * 60), 1);
    // Only an end given: no special period (the start bytes say none).
    EXPECT_EQ(O::PeriodCode(3 * 60, a, b, -1, 14 * 60), 2);
    // A special period across midnight.
    EXPECT_EQ(O::PeriodCode(30, a, b, 23 * 60, 60), 3);
    EXPECT_EQ(O::PeriodCode(22 * 60 + 30, a, b, 23 * 60, 60), 2);
}

} // namespace
