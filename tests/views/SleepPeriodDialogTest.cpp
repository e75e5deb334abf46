#include <gtest/gtest.h>

#include <QComboBox>
#include <filesystem>

#include "RecordViewTest.h"
#include "SleepPeriodDialog.h"

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
    EXPECT_EQ(dialog.asleepList()->itemText(47), QStringLiteral("23:30"));
    EXPECT_EQ(dialog.awakeList()->currentIndex(), 12);
    EXPECT_EQ(dialog.asleepList()->currentIndex(), 44);
    dialog.asleepList()->setCurrentIndex(47);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
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
