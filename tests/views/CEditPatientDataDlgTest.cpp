#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "CCurrentMedicProp.h"
#include "CEditPatientDataDlg.h"
#include "CInterprationProp.h"
#include "CPatientInfoProp.h"
#include "CPhysicianProp.h"
#include "MultiLineField.h"
#include "RecordViewTest.h"

// Values longer than their field takes or not valid GBK, as another program may write them:
// cancel writes nothing, what the user leaves as it was goes back byte for byte, patient data
// go to the patient section and notes to the loaded test ("TEST 2", the last) only.
using PatientSheet = RecordFileTest;

TEST_F(PatientSheet, KeepsWhatWasLeftAndStoresEveryPageInItsPlace) {
    const std::string birthday(20, 'b');     // the field takes 15
    const std::string odd = "\x81\x20z";     // a lead byte without its second byte
    const std::string medication(1100, 'm'); // the field takes 1024
    std::vector<SampleTest> tests(2);
    tests[1].extraKeys = "Medications Count=1\r\nMedications1=" + medication + "\r\n";
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
        sheet.interpretationPage()->interpretationEdit()->setPlainText(QStringLiteral("normal"));
        sheet.accept();
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
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
        {"TEST 2", "Clinical Interp1", "normal"},
        {"TEST 1", "Comments Count", "<missing>"},
    };
    for (const auto& v : values)
        EXPECT_EQ(StoredValue(path, v.section, v.key), v.value) << v.key;
}
