#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimeEdit>
#include <optional>

#include "AmbulatoryPlanDialog.h"
#include "DeviceChoiceDialog.h"
#include "FakeTiming.h"
#include "MessageRecorder.h"
#include "MonitoringPlanDialog.h"
#include "StringTable.h"
#include "TempDir.h"

namespace {

// List positions: 6:00 is 12, "15 分钟" 3, 22:00 44 and 30 minutes 5 (not touched), special
// 1:00 and 2:30 are 3 and 6 after "无", "10 分钟" 2, "关" 1; the name in GBK.
TEST(AmbulatoryPlanDialog, TheShownEntriesBecomeThePlanOnceNameIdAndOverwriteAreGiven) {
    TempDir dir;
    MessageRecorder messages;
    const auto open = [&] {
        return std::make_unique<AmbulatoryPlanDialog>(
            RecorderKind::VeloraAmbulatory, DeviceSettings(dir.file("OblCofig.ini"), "Config ward"),
            [] { return UtcTime(2010, 3, 15, 12, 30); });
    };
    const auto planOf = [](const PlanChoices& c) {
        return MeasurementPlan::Ambulatory(c, RecorderKind::VeloraAmbulatory,
                                           UtcTime(2010, 3, 15, 12, 30))
            .bytes();
    };
    const PlanChoices expected{"\xD5\xC5\xC8\xFD", "A1", 12, 3, 44, 5, 3, 6, 2, 1, 1};
    {
        auto d = open();
        d->accept();
        d->nameEdit()->setText(QString(20, QChar(0x5F20)));           // 20 x "张", two bytes each
        EXPECT_EQ(d->nameEdit()->text(), QString(14, QChar(0x5F20))); // 29 bytes at most
        d->nameEdit()->setText("张三");
        d->accept();
        d->idEdit()->setText("12345678901");
        EXPECT_EQ(d->idEdit()->text(), "1234567890");
        d->idEdit()->setText("A1");
        const std::vector<std::pair<const char*, const char*>> shown{
            {"Awake Time", "6:00"},  {"Awake Span", "15 分钟"},   {"Special Start", "1:00"},
            {"Special End", "2:30"}, {"Special Span", "10 分钟"}, {"Start Key", "关"},
            {"Display", "关"}};
        for (const auto& [list, text] : shown)
            d->list(list)->setCurrentText(text);
        messages.answers << QMessageBox::No << QMessageBox::Yes;
        d->accept();
        EXPECT_NE(d->result(), QDialog::Accepted);
        EXPECT_EQ(open()->nameEdit()->text(), ""); // nothing saved while declined
        d->accept();
        ASSERT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(d->plan().bytes(), planOf(expected));
    }
    const QString overwrite = StringTable::label(57625);
    EXPECT_EQ(messages.texts, (QStringList{StringTable::label(57620), StringTable::label(57621),
                                           overwrite, overwrite}));
    EXPECT_EQ(open()->nameEdit()->text(), "张三");
    EXPECT_EQ(planOf(open()->choices()), planOf(expected));
}

TEST(DeviceChoiceDialog, ChoicesGiveTheKindsAndVeloraWithoutAStateAsksForOne) {
    MessageRecorder messages;
    DeviceChoiceDialog d; // it opens on VELORA07 with the first state
    const auto chosen = [&]() -> std::optional<RecorderKind> {
        d.setResult(QDialog::Rejected);
        d.accept();
        return d.result() == QDialog::Accepted ? std::optional(d.kind()) : std::nullopt;
    };
    EXPECT_EQ(chosen(), RecorderKind::VeloraAmbulatory);
    d.stateList()->setCurrentRow(1);
    EXPECT_EQ(chosen(), RecorderKind::VeloraMonitoring);
    d.zemButton()->click();
    EXPECT_FALSE(d.stateList()->isEnabled());
    EXPECT_EQ(chosen(), RecorderKind::ZemAbpm);
    d.veloraButton()->click();
    d.stateList()->clearSelection();
    EXPECT_EQ(chosen(), std::nullopt);
    EXPECT_EQ(messages.texts.size(), 1);               // which state?
    d.zemButton()->click(), d.veloraButton()->click(); // enables the list on its first state
    EXPECT_TRUE(d.stateList()->isEnabled());
    EXPECT_EQ(chosen(), RecorderKind::VeloraAmbulatory);
}

TEST(MonitoringPlanDialog, BuildsTheClockPlanFromThePickers) {
    MessageRecorder messages;
    MonitoringPlanDialog d;
    d.nameEdit()->setText("张三");
    d.idEdit()->setText("ID-1");
    d.dateEdit()->setDate(QDate(2024, 2, 29));
    d.timeEdit()->setTime(QTime(7, 8, 9));
    messages.answers << QMessageBox::Yes;
    d.accept();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(
        d.plan().bytes(),
        MeasurementPlan::Monitoring("\xD5\xC5\xC8\xFD", "ID-1", {2024, 2, 29, 7, 8, 9}).bytes());
}

} // namespace
