#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "BpStatistics.h"
#include "ClinicalTextList.h"
#include "ReadingSets.h"
#include "StatisticsDialog.h"

namespace {

// Two awake readings at 8:00 and 9:00 (150/95 HR 70, 130/85 HR 80), none asleep; one more
// reading excluded.
BpStatistics AwakeOnly() {
    PatientRecord rec;
    TestRecord& t = rec.test;
    t.startMinuteOfDay = 8 * 60;
    t.awakeStartMinute = 7 * 60;
    t.asleepStartMinute = 22 * 60;
    t.readingCount = 3;
    const int values[3][4] = {{150, 95, 70, 0}, {130, 85, 80, 60}, {200, 120, 90, 90}};
    for (int i = 0; i < 3; ++i) {
        BpReading& r = t.readings[static_cast<std::size_t>(i)];
        r.systolic = values[i][0];
        r.diastolic = values[i][1];
        r.pulseRate = values[i][2];
        r.minutesFromStart = values[i][3];
        r.included = i < 2 ? 1 : 0;
    }
    ReadingSets sets;
    ClassifyReadings(t, sets);
    BpStatistics stats;
    ComputeStatistics(rec, sets, stats);
    return stats;
}

} // namespace

TEST(StatisticsTexts, AnEmptyAsleepPeriodShowsZeros) {
    const auto texts = StatisticsDialog::ValueTexts(AwakeOnly());
    EXPECT_EQ(texts[4], QStringLiteral("0"));
    EXPECT_EQ(texts[5], QStringLiteral("0.0/0.0"));
    EXPECT_EQ(texts[6], QStringLiteral("0.0"));
    EXPECT_EQ(texts[7], QStringLiteral("0.0"));
    EXPECT_EQ(texts[15], QStringLiteral("0.0"));
    EXPECT_EQ(texts[16], QStringLiteral("0.0"));
}

TEST(StatisticsTexts, DefaultThresholdsShowAsPairs) {
    const auto texts = StatisticsDialog::ValueTexts(AwakeOnly());
    EXPECT_EQ(texts[14], QStringLiteral("140/90"));
    EXPECT_EQ(texts[17], QStringLiteral("120/80"));
}

TEST(StatisticsTexts, CountsMeansAndLoadsOfIncludedReadings) {
    const auto texts = StatisticsDialog::ValueTexts(AwakeOnly());
    EXPECT_EQ(texts[0], QStringLiteral("2"));
    EXPECT_EQ(texts[1], QStringLiteral("140.0/90.0"));
    EXPECT_EQ(texts[2], QStringLiteral("75.0"));
    EXPECT_EQ(texts[3], QStringLiteral("50.0"));  // pulse pressures 55 and 45
    EXPECT_EQ(texts[8], QStringLiteral("2"));     // the excluded reading is not counted
    EXPECT_EQ(texts[12], QStringLiteral("50.0")); // 150 > 140, 130 is not
    EXPECT_EQ(texts[13], QStringLiteral("50.0")); // 95 > 90
    EXPECT_EQ(texts[18], QStringLiteral("50.0"));
    EXPECT_EQ(texts[19], QStringLiteral("50.0"));
}

TEST(StatisticsDialogControls, EveryControlShowsItsText) {
    const BpStatistics stats = AwakeOnly();
    StatisticsDialog dialog(stats, ClinicalSummary{});
    const auto texts = StatisticsDialog::ValueTexts(stats);
    for (int id = 1120; id <= 1139; ++id) {
        ASSERT_NE(dialog.valueLabel(id), nullptr) << id;
        EXPECT_EQ(dialog.valueLabel(id)->text(), texts[static_cast<std::size_t>(id - 1120)]);
    }
    EXPECT_EQ(dialog.valueLabel(1140), nullptr);
}

TEST(StatisticsDialogControls, ClinicalSectionShowsEveryTextOfTheSummary) {
    ClinicalSummary clinical;
    clinical.totalCount = 3;
    clinical.successPercent = 100.0;
    clinical.means[1] = {2, 140.0, 90.0, 75.0};
    clinical.hypertensive[1] = true;
    clinical.systolic.sdDay = 14.1421;
    clinical.aasi = 0.5;
    StatisticsDialog dialog(AwakeOnly(), clinical);
    QStringList shown;
    for (const QLabel* label : dialog.clinicalSection()->findChildren<QLabel*>())
        shown << label->text();
    const ClinicalTexts texts = ClinicalTexts::Of(clinical);
    EXPECT_EQ(dialog.clinicalSection()->title(), texts.heading);
    for (const QString& text : ClinicalTextList(texts).mid(1))
        EXPECT_TRUE(shown.contains(text)) << text.toStdString();
    EXPECT_TRUE(shown.contains(texts.interpretation));
    EXPECT_TRUE(shown.contains(QStringLiteral("140.0/90.0")));
}
