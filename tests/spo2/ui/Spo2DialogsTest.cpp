// The display-settings and analysis-parameters dialogs of the SpO2 trend.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "Spo2DisplaySettingsDialog.h"
#include "Spo2ParametersDialog.h"
#include "ViewTestRecords.h"

TEST(Spo2ParametersDialog, ShowsTheCurrentValuesAndRefusesAnEmptyField) {
    const Spo2Parameters current{5, 12, 90, 7, 9};
    Spo2ParametersDialog dialog(current);
    dialog.show();
    const char* shown[] = {"5", "12", "90", "7", "9"};
    for (std::size_t i = 0; i < Spo2ParametersDialog::kFieldIds.size(); ++i)
        EXPECT_EQ(dialog.field(Spo2ParametersDialog::kFieldIds[i])->text(), shown[i]);
    dialog.field(1175)->clear();
    {
        MessageBoxCatcher boxes;
        dialog.accept();
        ASSERT_EQ(boxes.texts().size(), 1u);
        EXPECT_EQ(boxes.texts()[0], QStringLiteral("分析参数不能有空值!"));
    }
    EXPECT_TRUE(dialog.isVisible());
    dialog.field(1175)->setText("11");
    dialog.field(1002)->setText("20");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.parameters().pulseChangeThreshold, 11);
    EXPECT_EQ(dialog.parameters().pulseMinimumDuration, 20);
    EXPECT_EQ(dialog.parameters().dropThreshold, 5);
}

TEST(Spo2DisplaySettingsDialog, OpensWithTheWindowAndTurnsHoursAndMinutesIntoSeconds) {
    Spo2DisplaySettingsDialog dialog(5400, 28800);
    dialog.show();
    EXPECT_EQ(dialog.hoursEdit()->text(), "1");
    EXPECT_EQ(dialog.minutesEdit()->text(), "30");
    dialog.hoursEdit()->clear();
    dialog.minutesEdit()->clear();
    {
        MessageBoxCatcher boxes;
        dialog.accept();
        ASSERT_EQ(boxes.texts().size(), 1u);
        EXPECT_EQ(boxes.texts()[0], QStringLiteral("时间段不能为空! "));
    }
    EXPECT_TRUE(dialog.isVisible());
    dialog.minutesEdit()->setText("45"); // the empty hours count 0
    dialog.accept();
    EXPECT_EQ(dialog.window(), 2700);
}

TEST(Spo2DisplaySettingsDialog, AllDataTakesTheWholeSeries) {
    Spo2DisplaySettingsDialog dialog(600, 28800);
    dialog.show();
    dialog.allDataBox()->setChecked(true);
    EXPECT_FALSE(dialog.hoursEdit()->isEnabled());
    EXPECT_FALSE(dialog.minutesEdit()->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.window(), 28800);
}
