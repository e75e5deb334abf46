#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "Spo2DisplaySettingsDialog.h"
#include "Spo2ParametersDialog.h"
#include "ViewTestRecords.h"

TEST(Spo2ParametersDialog, ShowsTheCurrentValuesAndRefusesAnEmptyField) {
    Spo2ParametersDialog dialog(Spo2Parameters{5, 12, 90, 7, 9});
    dialog.show();
    QStringList shown;
    for (int id : {1172, 1173, 1174, 1175, 1002})
        shown << dialog.field(id)->text();
    EXPECT_EQ(shown.join(' '), "5 12 90 7 9");
    dialog.field(1175)->clear();
    {
        MessageBoxCatcher boxes;
        dialog.accept();
        EXPECT_EQ(boxes.texts(), std::vector{QStringLiteral("分析参数不能有空值!")});
    }
    EXPECT_TRUE(dialog.isVisible());
    dialog.field(1175)->setText("11");
    dialog.field(1002)->setText("20");
    dialog.accept();
    const Spo2Parameters& p = dialog.parameters();
    EXPECT_EQ(std::vector({p.dropThreshold, p.pulseChangeThreshold, p.pulseMinimumDuration}),
              std::vector({5, 11, 20}));
}

TEST(Spo2DisplaySettingsDialog, TurnsHoursAndMinutesIntoSecondsOrTakesAllData) {
    Spo2DisplaySettingsDialog dialog(5400, 28800);
    dialog.show();
    EXPECT_EQ(dialog.hoursEdit()->text() + ":" + dialog.minutesEdit()->text(), "1:30");
    dialog.hoursEdit()->clear();
    dialog.minutesEdit()->clear();
    {
        MessageBoxCatcher boxes;
        dialog.accept();
        EXPECT_EQ(boxes.texts().size(), 1u);
    }
    EXPECT_TRUE(dialog.isVisible());
    dialog.hoursEdit()->setText("2"); // the empty minutes count 0
    dialog.accept();
    EXPECT_EQ(dialog.window(), 7200);

    Spo2DisplaySettingsDialog all(600, 28800);
    all.show();
    all.allDataBox()->setChecked(true);
    all.accept();
    EXPECT_EQ(all.window(), 28800);
}
