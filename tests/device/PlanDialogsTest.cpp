#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimeEdit>
#include <cmath>

#include "AmbulatoryPlanDialog.h"
#include "CIniDocument.h"
#include "DeviceChoiceDialog.h"
#include "FakeTiming.h"
#include "GbkText.h"
#include "MessageRecorder.h"
#include "MonitoringPlanDialog.h"
#include "PlanClockFace.h"
#include "StringTable.h"
#include "TempDir.h"

namespace {

class AmbulatoryPlanDialogTest : public ::testing::Test {
  protected:
    std::unique_ptr<AmbulatoryPlanDialog> Open(RecorderKind kind = RecorderKind::VeloraAmbulatory) {
        return std::make_unique<AmbulatoryPlanDialog>(kind, DeviceSettings(config, "Config ward"),
                                                      [this] { return now; });
    }
    int Index(AmbulatoryPlanDialog& d, const char* key) { return d.list(key)->currentIndex(); }

    TempDir dir;
    std::string config = dir.file("OblCofig.ini");
    std::time_t now = UtcTime(2010, 3, 15, 12, 30);
    MessageRecorder messages;
};

TEST_F(AmbulatoryPlanDialogTest, ListsHoldTheirEntries) {
    auto d = Open();
    EXPECT_EQ(d->list("Awake Time")->count(), 48);
    EXPECT_EQ(d->list("Awake Time")->itemText(0), "0:00");
    EXPECT_EQ(d->list("Awake Time")->itemText(47), "23:30");
    EXPECT_EQ(d->list("Special Start")->count(), 49);
    EXPECT_EQ(d->list("Special End")->itemText(0), "无");
    EXPECT_EQ(d->list("Special End")->itemText(1), "0:00");
    const QStringList intervals{"无",      "5 分钟",  "10 分钟", "15 分钟", "20 分钟",
                                "30 分钟", "45 分钟", "60 分钟", "90 分钟", "120 分钟"};
    for (const char* key : {"Awake Span", "Asleep Span", "Special Span"}) {
        QStringList shown;
        for (int i = 0; i < d->list(key)->count(); ++i)
            shown << d->list(key)->itemText(i);
        EXPECT_EQ(shown, intervals) << key;
    }
    EXPECT_EQ(d->list("Max Pressure")->count(), 9);
    EXPECT_EQ(d->list("Max Pressure")->itemText(0), "120 mmHg");
    EXPECT_EQ(d->list("Max Pressure")->itemText(8), "280 mmHg");
    EXPECT_EQ(d->list("Display")->itemText(1), "关");
    EXPECT_EQ(d->list("State")->itemText(1), "监护");
}

TEST_F(AmbulatoryPlanDialogTest, FirstUseShowsTheDefaults) {
    auto d = Open();
    EXPECT_EQ(Index(*d, "Awake Time"), 14);
    EXPECT_EQ(Index(*d, "Awake Span"), 1);
    EXPECT_EQ(Index(*d, "Asleep Time"), 44);
    EXPECT_EQ(Index(*d, "Asleep Span"), 5);
    EXPECT_EQ(Index(*d, "Special Start"), 0);
    EXPECT_EQ(Index(*d, "Special End"), 0);
    EXPECT_EQ(Index(*d, "Special Span"), 0);
    EXPECT_EQ(Index(*d, "Start Key"), 0);
    EXPECT_EQ(Index(*d, "Display"), 0);
    EXPECT_TRUE(d->nameEdit()->text().isEmpty());
}

TEST_F(AmbulatoryPlanDialogTest, AMissingNameOrIdentifierKeepsTheDialogOpen) {
    auto d = Open();
    d->accept();
    d->nameEdit()->setText("Li");
    d->accept();
    EXPECT_EQ(messages.texts, (QStringList{StringTable::label(57620), StringTable::label(57621)}));
    EXPECT_NE(d->result(), QDialog::Accepted);
}

TEST_F(AmbulatoryPlanDialogTest, DecliningTheOverwriteQuestionSavesNothing) {
    auto d = Open();
    d->nameEdit()->setText("Li");
    d->idEdit()->setText("7");
    messages.answers << QMessageBox::No;
    d->accept();
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57625)});
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(CIniDocument(config).GetString("Config ward", "PatientName", "none"), "none");
}

TEST_F(AmbulatoryPlanDialogTest, ConfirmedChoicesAreKeptAndShownNextTime) {
    {
        auto d = Open();
        d->nameEdit()->setText("张三");
        d->idEdit()->setText("A1");
        d->list("Awake Time")->setCurrentIndex(12);
        d->list("Special Start")->setCurrentIndex(3);
        d->list("Special End")->setCurrentIndex(5);
        d->list("Display")->setCurrentIndex(1);
        messages.answers << QMessageBox::Yes;
        d->accept();
        ASSERT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(d->plan().bytes()[MeasurementPlan::kAwakeStart], 6);
        EXPECT_EQ(d->plan().bytes()[MeasurementPlan::kDisplay], 0xFF);
        EXPECT_EQ(d->plan().bytes()[MeasurementPlan::kKindByte], 0x51);
    }
    CIniDocument doc(config);
    EXPECT_EQ(doc.GetString("Config ward", "PatientName", ""), ToGbk("张三"));
    EXPECT_EQ(doc.GetInt("Config ward", "Awake Time", -1), 12);
    EXPECT_EQ(doc.GetInt("Config ward", "Display", -1), 1);

    auto again = Open();
    EXPECT_EQ(again->nameEdit()->text(), "张三");
    EXPECT_EQ(Index(*again, "Awake Time"), 12);
    EXPECT_EQ(Index(*again, "Special End"), 5);
}

TEST_F(AmbulatoryPlanDialogTest, NameIsLimitedToTwentyNineBytes) {
    auto d = Open();
    d->nameEdit()->setText(QString(20, QChar(0x5F20))); // 20 x "张", two bytes each
    EXPECT_EQ(d->nameEdit()->text(), QString(14, QChar(0x5F20)));
    d->idEdit()->setText("12345678901");
    EXPECT_EQ(d->idEdit()->text(), "1234567890");
}

TEST(PlanClockFace, PaintsAwakeWhiteAsleepBlackAndSpecialBlue) {
    PlanClockFace face;
    face.resize(240, 240);
    face.setPeriods(14, 44, 27, 30); // awake 07:00, asleep 22:00, special 13:00-14:30
    QImage image(face.size(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    face.render(&image);
    const QRectF dial = PlanClockFace::DialRect(face.size());
    const auto at = [&](double slot) {
        const double rad = (450.0 - 7.5 * slot) * M_PI / 180.0; // 00:00 at the top, clockwise
        const QPointF p =
            dial.center() + QPointF(std::cos(rad), -std::sin(rad)) * dial.width() * 0.3;
        return image.pixelColor(p.toPoint());
    };
    EXPECT_EQ(at(20), QColor(Qt::white));   // 10:00 awake
    EXPECT_EQ(at(4), QColor(Qt::black));    // 02:00 asleep
    EXPECT_EQ(at(46), QColor(Qt::black));   // 23:00 asleep
    EXPECT_EQ(at(27.5), QColor(0, 0, 255)); // 13:45 special
}

TEST(DeviceChoiceDialog, OpensOnTheAmbulatoryVelora) {
    DeviceChoiceDialog d;
    EXPECT_TRUE(d.veloraButton()->isChecked());
    EXPECT_TRUE(d.stateList()->isEnabled());
    EXPECT_EQ(d.stateList()->currentRow(), 0);
    ASSERT_EQ(d.stateList()->count(), 2);
    EXPECT_EQ(d.stateList()->item(0)->text(), StringTable::label(57720));
    EXPECT_EQ(d.stateList()->item(1)->text(), StringTable::label(57721));
    d.accept();
    EXPECT_EQ(d.kind(), RecorderKind::VeloraAmbulatory);
}

TEST(DeviceChoiceDialog, ChoicesGiveTheKinds) {
    DeviceChoiceDialog zem;
    zem.zemButton()->click();
    EXPECT_FALSE(zem.stateList()->isEnabled());
    zem.accept();
    EXPECT_EQ(zem.kind(), RecorderKind::ZemAbpm);

    DeviceChoiceDialog monitoring;
    monitoring.stateList()->setCurrentRow(1);
    monitoring.accept();
    EXPECT_EQ(monitoring.kind(), RecorderKind::VeloraMonitoring);
    EXPECT_EQ(monitoring.result(), QDialog::Accepted);
}

TEST(DeviceChoiceDialog, VeloraWithoutAStateAsksForOne) {
    MessageRecorder messages;
    DeviceChoiceDialog d;
    d.stateList()->clearSelection();
    d.accept();
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57722)});
    EXPECT_NE(d.result(), QDialog::Accepted);
    // Choosing VELORA07 again selects the first entry.
    d.veloraButton()->click();
    EXPECT_EQ(d.stateList()->currentRow(), 0);
}

TEST(MonitoringPlanDialog, BuildsTheClockPlanAndCutsLongTexts) {
    MessageRecorder messages;
    MonitoringPlanDialog d;
    d.accept();
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57620)});
    d.nameEdit()->setText(QString(16, QChar(0x5F20))); // 32 GBK bytes
    d.accept();
    EXPECT_EQ(messages.texts.last(), StringTable::label(57621));
    d.idEdit()->setText("ID-1");
    d.dateEdit()->setDate(QDate(2024, 2, 29));
    d.timeEdit()->setTime(QTime(7, 8, 9));
    messages.answers << QMessageBox::Yes;
    d.accept();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    const auto& b = d.plan().bytes();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 30), ToGbk(QString(15, QChar(0x5F20))));
    EXPECT_EQ(std::vector<int>(b.begin() + 41, b.begin() + 48),
              (std::vector<int>{0x07, 0xE8, 2, 29, 7, 8, 9}));
    EXPECT_EQ(b[70], 0x52);
}

} // namespace
