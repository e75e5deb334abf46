#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "BpStatistics.h"
#include "ClinicalTextList.h"
#include "ReadingBuilders.h"
#include "StatisticsDialog.h"

// Two awake readings at 8:00 and 9:00 (150/95 HR 70, 130/85 HR 80), none asleep, one more
// excluded. Pulse pressures 55 and 45; awake loads: 150 > 140 but 130 is not, 95 > 90 but 85
// is not. Each control shows its text, the clinical section every text of the summary.
TEST(StatisticsDialog, IncludedReadingsCountAnEmptyAsleepPeriodShowsZerosAndEveryControlItsText) {
    PatientRecord rec;
    rec.test = *MakeTest(
        8 * 60, 7 * 60, 22 * 60,
        {Reading(150, 95, 70, 0), Reading(130, 85, 80, 60), Reading(200, 120, 90, 90, 0)});
    ReadingSets sets;
    ClassifyReadings(rec.test, sets);
    BpStatistics stats;
    ComputeStatistics(rec, sets, stats);
    const char* expected[] = {
        "2",    "140.0/90.0", "75.0",   "50.0", // awake
        "0",    "0.0/0.0",    "0.0",    "0.0",  // asleep
        "2",    "140.0/90.0", "75.0",   "50.0", // included: not the excluded reading
        "50.0", "50.0",       "140/90",         // awake loads and thresholds
        "0.0",  "0.0",        "120/80",         // asleep
        "50.0", "50.0",                         // whole day
    };
    ClinicalSummary clinical;
    clinical.totalCount = 3;
    clinical.means[1] = {2, 140.0, 90.0, 75.0};
    clinical.hypertensive[1] = true;
    clinical.systolic.sdDay = 14.1421;
    StatisticsDialog dialog(stats, clinical);
    for (int id = 1120; id <= 1139; ++id) {
        ASSERT_NE(dialog.valueLabel(id), nullptr) << id;
        EXPECT_EQ(dialog.valueLabel(id)->text(), QString::fromUtf8(expected[id - 1120])) << id;
    }
    EXPECT_EQ(dialog.valueLabel(1140), nullptr);

    QStringList shown;
    for (const QLabel* label : dialog.clinicalSection()->findChildren<QLabel*>())
        shown << label->text();
    const ClinicalTexts clinicalTexts = ClinicalTexts::Of(clinical);
    EXPECT_EQ(dialog.clinicalSection()->title(), clinicalTexts.heading);
    const QStringList texts = ClinicalTextList(clinicalTexts).mid(1)
                              << clinicalTexts.interpretation;
    for (const QString& text : texts)
        EXPECT_TRUE(shown.contains(text)) << text.toStdString();
}
