#include <gtest/gtest.h>

#include "ClinicalTexts.h"

namespace {

// The example of a signed report: 58 of 64 readings successful, 40 by day and 18 by night,
// a 24-hour mean above the ESH 2023 threshold and a systolic dip of 12.3 %.
ClinicalSummary Example() {
    ClinicalSummary s;
    s.totalCount = 64;
    s.failedCount = 6;
    s.successPercent = 58.0 / 64 * 100; // 90.625
    s.valid = true;
    s.thresholds = GuidelineThresholds(ClinicalGuideline::Esh2023);
    s.means = {{{58, 131.04, 81.0, 72.26}, {40, 134.0, 84.5, std::nullopt}, {18, 117.0, 70.0, 60}}};
    s.hypertensive = {true, false, std::nullopt};
    s.dipping = {12.345, 17.2, 0.87655, DippingClass::Dipper};
    s.morningSurge = {27.0, std::nullopt};
    s.systolic.sd24h = 12.345;
    s.diastolic.arv = 3.06;
    s.aasi = 0.456;
    return s;
}

} // namespace

TEST(ClinicalTexts, FiguresAtOneDecimalRatiosAtTwoAndDashesForMissingOnes) {
    const ClinicalTexts t = ClinicalTexts::Of(Example());
    EXPECT_EQ(t.guideline, QStringLiteral("诊断指南：ESH 2023"));
    EXPECT_EQ(t.validity, QStringLiteral("读数 64，失败 6，成功 90.6 %，白天 40，夜间 18：有效"));
    const ClinicalTexts::PeriodRow& all = t.periods[0];
    EXPECT_EQ(all.count, QStringLiteral("58"));
    EXPECT_EQ(all.mean, QStringLiteral("131.0/81.0"));
    EXPECT_EQ(all.heartRate, QStringLiteral("72.3"));
    EXPECT_EQ(all.threshold, QStringLiteral("130/80"));
    EXPECT_EQ(all.verdict, QStringLiteral("达到或高于阈值"));
    EXPECT_EQ(t.periods[1].heartRate, QStringLiteral("----"));
    EXPECT_EQ(t.periods[1].verdict, QStringLiteral("低于阈值"));
    EXPECT_EQ(t.periods[2].verdict, QStringLiteral("----"));
    EXPECT_EQ(t.dipping,
              QStringLiteral("夜间下降：收缩压 12.3 %，舒张压 17.2 %，夜/昼收缩压比值 0.88，勺型"));
    EXPECT_EQ(t.morningSurge, QStringLiteral("收缩压晨峰：睡眠谷值 27.0 mmHg，觉醒前 ---- mmHg"));
    EXPECT_EQ(t.variability[0].cells[0], QStringLiteral("12.3"));
    EXPECT_EQ(t.variability[0].cells[1], QStringLiteral("----"));
    EXPECT_EQ(t.variability[1].cells[5], QStringLiteral("3.1"));
    EXPECT_EQ(t.aasi, QStringLiteral("动态动脉硬化指数 (AASI)：0.46"));
}

TEST(ClinicalTexts, InterpretationNamesTheGuidelineAndEveryVerdict) {
    EXPECT_EQ(
        ClinicalTexts::Of(Example()).interpretation,
        QStringLiteral("记录有效：64 个读数中 58 个成功 (90.6 %)，白天 40 个、夜间 18 个读数。"
                       "24小时平均血压 131.0/81.0 mmHg 达到或高于 ESH 2023 阈值 130/80 "
                       "mmHg。白天平均血压 134.0/84.5 mmHg 低于 ESH 2023 阈值 135/85 mmHg。"
                       "夜间收缩压下降 12.3 %：勺型。收缩压晨峰：比夜间谷值高 27.0 "
                       "mmHg，比觉醒前两小时高 ---- mmHg。"));
    ClinicalSummary invalid;
    invalid.guideline = ClinicalGuideline::AccAha2017;
    invalid.totalCount = 10;
    invalid.failedCount = 4;
    invalid.successPercent = 60.0;
    invalid.means[1] = {6, 140.0, 79.0, std::nullopt};
    invalid.hypertensive[1] = true;
    invalid.thresholds = GuidelineThresholds(ClinicalGuideline::AccAha2017);
    EXPECT_EQ(ClinicalTexts::Of(invalid).interpretation,
              QStringLiteral("记录无效：10 个读数中 6 个成功 (60.0 %)，白天 6 个、夜间 0 "
                             "个读数；有效记录需要至少 70 % 的成功读数、白天 20 个和夜间 7 "
                             "个读数。白天平均血压 140.0/79.0 mmHg 达到或高于 ACC/AHA 2017 "
                             "阈值 130/80 mmHg。无法评估夜间血压下降：白天或夜间没有读数。"));
}
