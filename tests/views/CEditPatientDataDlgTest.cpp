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

namespace {

class PatientSheet : public RecordFileTest {
  protected:
    std::string stored(const std::string& section, const std::string& key) const {
        return StoredValue(path, section, key);
    }
};

} // namespace

// Values longer than their field takes or not valid GBK, as another program may write them:
// cancel writes nothing, and what the user leaves as it was goes back byte for byte.
TEST_F(PatientSheet, FieldsShowStoredValuesTakeTheirLengthAndUneditedOnesGoBackByteForByte) {
    const std::string birthday(20, 'b');     // the field takes 15
    const std::string odd = "\x81\x20z";     // a lead byte without its second byte
    const std::string medication(1100, 'm'); // the field takes 1024
    SampleTest test;
    test.readings = {SampleReading{}};
    test.extraKeys = "Medications Count=1\r\nMedications1=" + medication + "\r\n";
    open({test}, "Birthday=" + birthday + "\r\nPhone=" + odd + "\r\nAddr Count=2\r\nAddr1=" + odd +
                     "\r\nAddr2=Town\r\n");
    const std::string before = ReadFileBytes(path);
    {
        CEditPatientDataDlg sheet(state.record);
        sheet.show();
        CPatientInfoProp* page = sheet.patientPage();
        EXPECT_EQ(page->idEdit()->text(), QStringLiteral("P-7"));
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
        MultiLineField* address = sheet.patientPage()->addressEdit();
        address->setPlainText(address->toPlainText() + QStringLiteral("\nCounty"));
        sheet.accept();
    }
    EXPECT_EQ(stored("PATIENT DATA", "Birthday"), birthday);
    EXPECT_EQ(stored("PATIENT DATA", "Phone"), odd);
    EXPECT_EQ(stored("TEST 1", "Medications1"), medication);
    EXPECT_EQ(stored("PATIENT DATA", "Addr Count"), "3");
    EXPECT_EQ(stored("PATIENT DATA", "Addr1"), odd); // an edit elsewhere leaves this line
    EXPECT_EQ(stored("PATIENT DATA", "Addr3"), "County");
}

// Patient data go to the patient section, notes to the loaded test ("TEST 2", the last) only.
TEST_F(PatientSheet, OkStoresEveryPageInItsPlace) {
    std::vector<SampleTest> tests(2);
    for (SampleTest& t : tests)
        t.readings = {SampleReading{}};
    open(tests, "Addr Count=2\r\nAddr1=Road 1\r\nAddr2=Town\r\n");
    ASSERT_EQ(state.record.test.section, "TEST 2");
    const std::string before = ReadFileBytes(path);
    const std::string firstTest =
        before.substr(before.find("[TEST 1]"), before.find("[TEST 2]") - before.find("[TEST 1]"));
    {
        CEditPatientDataDlg sheet(state.record);
        sheet.patientPage()->nameEdit()->setText(QStringLiteral("王芳"));
        sheet.patientPage()->addressEdit()->clear();
        sheet.patientPage()->phoneEdit()->setText(QStringLiteral("12\n34"));
        sheet.medicationPage()->medicationEdit()->setPlainText(
            QStringLiteral("aspirin\nmetoprolol 50\nnight: none"));
        sheet.physicianPage()->referringEdit()->setText(QStringLiteral("Dr\r\nA"));
        sheet.physicianPage()->interpretingEdit()->setText(QStringLiteral("Dr B"));
        sheet.physicianPage()->commentsEdit()->setPlainText(QStringLiteral("c1\nc2"));
        sheet.interpretationPage()->interpretationEdit()->setPlainText(QStringLiteral("normal"));
        sheet.accept();
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    }
    EXPECT_EQ(state.record.patientName, "\xCD\xF5\xB7\xBC"); // GBK of 王芳
    const struct {
        const char *section, *key, *value;
    } values[] = {
        {"PATIENT DATA", "Name", "\xCD\xF5\xB7\xBC"},
        {"PATIENT DATA", "Addr Count", "0"}, // a cleared address leaves the old lines
        {"PATIENT DATA", "Addr1", "Road 1"},
        {"TEST 2", "ReferringPhys", "Dr A"}, // single-line fields never write a line break
        {"TEST 2", "Medications Count", "3"},
        {"TEST 2", "Medications3", "night: none"},
        {"TEST 2", "InterprettingPhys", "Dr B"},
        {"TEST 2", "Comments2", "c2"},
        {"TEST 2", "Clinical Interp Count", "1"},
        {"TEST 2", "Clinical Interp1", "normal"},
    };
    for (const auto& v : values)
        EXPECT_EQ(stored(v.section, v.key), v.value) << v.key;
    const std::string phone = stored("PATIENT DATA", "Phone");
    EXPECT_EQ(phone.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(phone.substr(0, 2), "12");
    EXPECT_NE(ReadFileBytes(path).find(firstTest), std::string::npos); // as it was
    CEditPatientDataDlg again(state.record);
    EXPECT_EQ(again.medicationPage()->medicationEdit()->lines(),
              QStringList({"aspirin", "metoprolol 50", "night: none"}));
}
