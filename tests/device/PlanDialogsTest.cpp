#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimeEdit>
#include <cmath>

#include "AmbulatoryPlanDialog.h"
#include "CIniDocument.h"
#include "DeviceChoiceDialog.h"
#include "FakeTiming.h"
#include "MessageRecorder.h"
#include "MonitoringPlanDialog.h"
#include "PlanClockFace.h"
#include "RecordingPaintDevice.h"
#include "StringTable.h"
#include "TempDir.h"

namespace {

class AmbulatoryPlanDialogTest : public ::testing::Test {
  protected:
    std::unique_ptr<AmbulatoryPlanDialog> Open() {
        return std::make_unique<AmbulatoryPlanDialog>(
            RecorderKind::VeloraAmbulatory, DeviceSettings(dir.file("OblCofig.ini"), "Config ward"),
            [] { return UtcTime(2010, 3, 15, 12, 30); });
    }

    TempDir dir;
    MessageRecorder messages;
};

TEST_F(AmbulatoryPlanDialogTest, ItStaysOpenWithoutNameOrIdentifierOrWhenTheOverwriteIsDeclined) {
    auto d = Open();
    d->accept();
    d->nameEdit()->setText("Li");
    d->accept();
    d->idEdit()->setText("7");
    messages.answers << QMessageBox::No;
    d->accept();
    EXPECT_EQ(messages.texts, (QStringList{StringTable::label(57620), StringTable::label(57621),
                                           StringTable::label(57625)}));
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(
        CIniDocument(dir.file("OblCofig.ini")).GetString("Config ward", "PatientName", "none"),
        "none");
}

TEST_F(AmbulatoryPlanDialogTest, TheShownEntriesBecomeThePlanAndAreShownNextTime) {
    // List positions: 6:00 is 12, "15 分钟" 3, 22:00 44 and 30 minutes 5 (not touched), special
    // 1:00 and 2:30 are 3 and 6 after "无", "10 分钟" 2, "关" 1; the name in GBK.
    const PlanChoices expected{"\xD5\xC5\xC8\xFD", "A1", 12, 3, 44, 5, 3, 6, 2, 1, 1};
    const auto planOf = [](const PlanChoices& c) {
        return MeasurementPlan::Ambulatory(c, RecorderKind::VeloraAmbulatory,
                                           UtcTime(2010, 3, 15, 12, 30))
            .bytes();
    };
    {
        auto d = Open();
        d->nameEdit()->setText("张三");
        d->idEdit()->setText("A1");
        d->list("Awake Time")->setCurrentText("6:00");
        d->list("Awake Span")->setCurrentText("15 分钟");
        d->list("Special Start")->setCurrentText("1:00");
        d->list("Special End")->setCurrentText("2:30");
        d->list("Special Span")->setCurrentText("10 分钟");
        d->list("Start Key")->setCurrentText("关");
        d->list("Display")->setCurrentText("关");
        messages.answers << QMessageBox::Yes;
        d->accept();
        ASSERT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(d->plan().bytes(), planOf(expected));
    }
    EXPECT_EQ(Open()->nameEdit()->text(), "张三");
    EXPECT_EQ(planOf(Open()->choices()), planOf(expected));
}

TEST_F(AmbulatoryPlanDialogTest, NameIsLimitedToTwentyNineBytes) {
    auto d = Open();
    d->nameEdit()->setText(QString(20, QChar(0x5F20))); // 20 x "张", two bytes each
    EXPECT_EQ(d->nameEdit()->text(), QString(14, QChar(0x5F20)));
    d->idEdit()->setText("12345678901");
    EXPECT_EQ(d->idEdit()->text(), "1234567890");
}

TEST(PlanClockFace, FillsAwakeWhiteOverABlackDiscAndTheSpecialPeriodBlue) {
    PlanClockFace face;
    face.resize(240, 240);
    face.setPeriods(14, 44, 27, 30); // awake 07:00, asleep 22:00, special 13:00-14:30
    RecordingPaintDevice device(face.size());
    face.render(&device);
    const QRectF dial = PlanClockFace::DialRect(face.size());
    // A point inside the dial at a time of day: 00:00 at the top, clockwise.
    const auto at = [&](double hours) {
        const double rad = hours / 24 * 2 * M_PI;
        return dial.center() + QPointF(std::sin(rad), -std::cos(rad)) * dial.width() * 0.3;
    };
    const auto filled = [&](const QColor& colour, double hours) {
        for (const auto& p : device.paths())
            if (p.brushStyle != Qt::NoBrush && p.brush == colour && p.path.contains(at(hours)))
                return true;
        return false;
    };
    EXPECT_TRUE(filled(Qt::black, 2));
    EXPECT_TRUE(filled(Qt::white, 10));
    EXPECT_FALSE(filled(Qt::white, 2));
    EXPECT_FALSE(filled(Qt::white, 23));
    EXPECT_TRUE(filled(QColor(0, 0, 255), 13.75));
    EXPECT_FALSE(filled(QColor(0, 0, 255), 12.75));
}

TEST(DeviceChoiceDialog, ChoicesGiveTheKindsAndVeloraWithoutAStateAsksForOne) {
    MessageRecorder messages;
    DeviceChoiceDialog velora, zem, monitoring, none;
    velora.accept(); // it opens on VELORA07 with the first state
    zem.zemButton()->click();
    EXPECT_FALSE(zem.stateList()->isEnabled());
    zem.accept();
    monitoring.stateList()->setCurrentRow(1);
    monitoring.accept();
    EXPECT_EQ((std::vector<RecorderKind>{velora.kind(), zem.kind(), monitoring.kind()}),
              (std::vector<RecorderKind>{RecorderKind::VeloraAmbulatory, RecorderKind::ZemAbpm,
                                         RecorderKind::VeloraMonitoring}));
    EXPECT_EQ(monitoring.result(), QDialog::Accepted);

    none.stateList()->clearSelection();
    none.accept();
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57722)});
    EXPECT_NE(none.result(), QDialog::Accepted);
    // Choosing VELORA07 again enables the list and selects the first entry.
    none.zemButton()->click();
    none.veloraButton()->click();
    EXPECT_TRUE(none.stateList()->isEnabled());
    none.accept();
    EXPECT_EQ(none.result(), QDialog::Accepted);
    EXPECT_EQ(none.kind(), RecorderKind::VeloraAmbulatory);
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
