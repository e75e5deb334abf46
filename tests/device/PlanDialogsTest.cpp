#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimeEdit>
#include <functional>
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
    using K = RecorderKind;
    using D = DeviceChoiceDialog;
    const auto none = [](D& d) { d.stateList()->clearSelection(); };
    // clang-format off
    const std::vector<std::tuple<const char*, std::function<void(D&)>, std::optional<K>>> rows{
        {"as opened: VELORA07, first state", [](D&) {}, K::VeloraAmbulatory},
        {"ZEM-ABPM", [](D& d) { d.zemButton()->click(); }, K::ZemAbpm},
        {"second state", [](D& d) { d.stateList()->setCurrentRow(1); }, K::VeloraMonitoring},
        {"no state", none, std::nullopt},
        {"VELORA07 again", [&](D& d) { none(d), d.zemButton()->click(), d.veloraButton()->click(); }, K::VeloraAmbulatory},
    };
    // clang-format on
    for (const auto& [what, choose, kind] : rows) {
        MessageRecorder messages;
        D d;
        choose(d);
        d.accept();
        EXPECT_EQ(d.stateList()->isEnabled(), kind != K::ZemAbpm) << what;
        EXPECT_EQ(d.result() == QDialog::Accepted ? std::optional(d.kind()) : std::nullopt, kind)
            << what;
        EXPECT_EQ(messages.texts.size(), kind ? 0 : 1) << what; // which state?
    }
}

TEST(MonitoringPlanDialog, BuildsTheClockPlanFromThePickers) {
    MessageRecorder messages;
    MonitoringPlanDialog d;
    d.accept();
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57620)});
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
