#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "BpStatistics.h"
#include "CCurrentMedicProp.h"
#include "CEditPatientDataDlg.h"
#include "CInterprationProp.h"
#include "CPatientInfoProp.h"
#include "CPhysicianProp.h"
#include "ClinicalTextList.h"
#include "MultiLineField.h"
#include "ReadingBuilders.h"
#include "RecordViewTest.h"
#include "SleepPeriodDialog.h"
#include "StatisticsDialog.h"

using SleepPeriods = RecordFileTest;

// The slot texts, the defaults of missing keys and the writing are the sleep periods' own;
// here only the dialog's part in them. A file that cannot be written is named.
TEST_F(SleepPeriods, ShowsTheStoredTimesCancelChangesNothingOkStoresTheChosenOnes) {
    SampleTest test;
    test.awakeSlot = 12;
    test.asleepSlot = 52; // outside the day: the list shows the default 22:00
    open({test});
    const std::string before = ReadFileBytes(path);
    {
        SleepPeriodDialog dialog(state.record);
        dialog.asleepList()->setCurrentIndex(47);
        dialog.reject();
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(state.record.test.asleepStartMinute, 1320);
    SleepPeriodDialog dialog(state.record);
    EXPECT_EQ(dialog.awakeList()->currentIndex(), 12);
    EXPECT_EQ(dialog.asleepList()->currentIndex(), 44);
    dialog.asleepList()->setCurrentIndex(47);
    dialog.accept();
    EXPECT_EQ(StoredValue(path, "TEST 1", "Asleep Time"), "47");
    EXPECT_EQ(StoredValue(path, "TEST 1", "Awake Time"), "12");
    EXPECT_EQ(state.record.test.asleepStartMinute, 1410);
    SleepPeriodDialog again(state.record);
    again.show();
    again.asleepList()->setCurrentIndex(40);
    std::filesystem::remove(path);
    MessageBoxCatcher boxes;
    again.accept();
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_TRUE(boxes.texts()[0].contains(QString::fromStdString(path)));
    EXPECT_EQ(state.record.test.asleepStartMinute, 1410);
    EXPECT_TRUE(again.isVisible());
}

// Values longer than their field takes or not valid GBK, as another program may write them:
// cancel writes nothing, what the user leaves as it was goes back byte for byte, patient data
// go to the patient section and notes to the loaded test ("TEST 2", the last) only.
using PatientSheet = RecordFileTest;

TEST_F(PatientSheet, KeepsWhatWasLeftAndStoresEveryPageInItsPlace) {
    const std::string birthday(20, 'b');     // the field takes 15
    const std::string odd = "\x81\x20z";     // a lead byte without its second byte
    const std::string medication(1100, 'm'); // the field takes 1024
    std::vector<SampleTest> tests(2);
    tests[1].extraKeys = "Medications Count=1\r\nMedications1=" + medication +
                         "\r\nClinical Interp Count=1\r\nClinical Interp1=old\r\n";
    open(tests, "Birthday=" + birthday + "\r\nPhone=" + odd + "\r\nAddr Count=2\r\nAddr1=" + odd +
                    "\r\nAddr2=Town\r\n");
    const std::string before = ReadFileBytes(path);
    {
        CEditPatientDataDlg sheet(state.record);
        sheet.show();
        CPatientInfoProp* page = sheet.patientPage();
        EXPECT_EQ(page->addressEdit()->lines().value(1), QStringLiteral("Town"));
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Lin P-7 1/3/2026"));
        EXPECT_EQ(page->birthdayEdit()->text().size(), 20);
        EXPECT_EQ(sheet.medicationPage()->medicationEdit()->toPlainText().size(), 1100);
        page->nameEdit()->clear();
        QTest::keyClicks(page->nameEdit(), QString(30, QLatin1Char('n')));
        EXPECT_EQ(page->nameEdit()->text(), QString(29, QLatin1Char('n')));
        page->addressEdit()->setPlainText(QString(520, QLatin1Char('a')));
        EXPECT_EQ(page->addressEdit()->toPlainText().size(), 500);
        sheet.reject();
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(state.record.patientName, "Lin");
    {
        CEditPatientDataDlg sheet(state.record);
        sheet.patientPage()->nameEdit()->setText(QStringLiteral("王芳"));
        MultiLineField* address = sheet.patientPage()->addressEdit();
        address->setPlainText(address->toPlainText() + QStringLiteral("\nCounty"));
        sheet.physicianPage()->referringEdit()->setText(QStringLiteral("Dr\r\nA"));
        sheet.physicianPage()->interpretingEdit()->setText(QStringLiteral("Dr B"));
        sheet.physicianPage()->commentsEdit()->setPlainText(QStringLiteral("c1\nc2"));
        sheet.interpretationPage()->interpretationEdit()->clear();
        sheet.accept();
    }
    EXPECT_EQ(state.record.patientName, "\xCD\xF5\xB7\xBC"); // GBK of 王芳
    const struct {
        const char* section;
        const char* key;
        std::string value;
    } values[] = {
        {"PATIENT DATA", "Name", "\xCD\xF5\xB7\xBC"},
        {"PATIENT DATA", "Birthday", birthday},
        {"PATIENT DATA", "Phone", odd},
        {"PATIENT DATA", "Addr Count", "3"},
        {"PATIENT DATA", "Addr1", odd}, // an edit elsewhere leaves this line
        {"PATIENT DATA", "Addr3", "County"},
        {"TEST 2", "Medications1", medication},
        {"TEST 2", "ReferringPhys", "Dr A"}, // single-line fields never write a line break
        {"TEST 2", "InterprettingPhys", "Dr B"},
        {"TEST 2", "Comments Count", "2"},
        {"TEST 2", "Comments2", "c2"},
        {"TEST 2", "Clinical Interp Count", "0"}, // a cleared field leaves the old lines
        {"TEST 1", "Comments Count", "<missing>"},
    };
    for (const auto& v : values)
        EXPECT_EQ(StoredValue(path, v.section, v.key), v.value) << v.key;
}

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
