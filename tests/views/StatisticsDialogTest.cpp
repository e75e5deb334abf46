#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "BpStatistics.h"
#include "ClinicalTextList.h"
#include "ReadingBuilders.h"
#include "StatisticsDialog.h"

namespace {

// Two awake readings at 8:00 and 9:00 (150/95 HR 70, 130/85 HR 80), none asleep; one more
// reading excluded.
BpStatistics AwakeOnly() {
    PatientRecord rec;
    rec.test = *MakeTest(
        8 * 60, 7 * 60, 22 * 60,
        {Reading(150, 95, 70, 0), Reading(130, 85, 80, 60), Reading(200, 120, 90, 90, 0)});
    ReadingSets sets;
    ClassifyReadings(rec.test, sets);
    BpStatistics stats;
    ComputeStatistics(rec, sets, stats);
    return stats;
}

} // namespace

TEST(StatisticsTexts, IncludedReadingsCountAndAnEmptyAsleepPeriodShowsZeros) {
    // Pulse pressures 55 and 45; awake loads: 150 > 140 but 130 is not, 95 > 90 but 85 is not.
    const char* expected[] = {
        "2",    "140.0/90.0", "75.0",   "50.0", // awake
        "0",    "0.0/0.0",    "0.0",    "0.0",  // asleep
        "2",    "140.0/90.0", "75.0",   "50.0", // included: not the excluded reading
        "50.0", "50.0",       "140/90",         // awake loads and thresholds
        "0.0",  "0.0",        "120/80",         // asleep
        "50.0", "50.0",                         // whole day
    };
    const auto texts = StatisticsDialog::ValueTexts(AwakeOnly());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i], QString::fromUtf8(expected[i])) << i;
}

TEST(StatisticsDialogControls, EveryControlShowsItsTextAndTheClinicalSectionEveryText) {
    const BpStatistics stats = AwakeOnly();
    ClinicalSummary clinical;
    clinical.totalCount = 3;
    clinical.successPercent = 100.0;
    clinical.means[1] = {2, 140.0, 90.0, 75.0};
    clinical.hypertensive[1] = true;
    clinical.systolic.sdDay = 14.1421;
    clinical.aasi = 0.5;
    StatisticsDialog dialog(stats, clinical);
    const auto texts = StatisticsDialog::ValueTexts(stats);
    for (int id = 1120; id <= 1139; ++id) {
        ASSERT_NE(dialog.valueLabel(id), nullptr) << id;
        EXPECT_EQ(dialog.valueLabel(id)->text(), texts[static_cast<std::size_t>(id - 1120)]);
    }
    EXPECT_EQ(dialog.valueLabel(1140), nullptr);

    QStringList shown;
    for (const QLabel* label : dialog.clinicalSection()->findChildren<QLabel*>())
        shown << label->text();
    const ClinicalTexts clinicalTexts = ClinicalTexts::Of(clinical);
    EXPECT_EQ(dialog.clinicalSection()->title(), clinicalTexts.heading);
    for (const QString& text : ClinicalTextList(clinicalTexts).mid(1))
        EXPECT_TRUE(shown.contains(text)) << text.toStdString();
    EXPECT_TRUE(shown.contains(clinicalTexts.interpretation));
}
