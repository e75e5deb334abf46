#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "AppState.h"
#include "CIniDocument.h"
#include "DeviceCommands.h"
#include "DeviceConfigurationDialog.h"
#include "DownloadProgressDialog.h"
#include "GbkText.h"
#include "MessageRecorder.h"
#include "SimulatedRecorder.h"
#include "StringTable.h"
#include "TempDir.h"
#include "UploadProgressDialog.h"
#include "UserSelectionDialog.h"
#include "WearingInstructionsDialog.h"
#include "WearingPicture.h"

namespace {

TEST(UserSelectionDialog, OffersOnlyTheMemoriesTheRecorderHasCommandsFor) {
    UserSelectionDialog d;
    auto* list = d.findChild<QComboBox*>();
    ASSERT_NE(list, nullptr);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    EXPECT_EQ(entries, (QStringList{"用户1", "用户2", "用户3", "全部用户"}));
    EXPECT_EQ(d.selection(), 1);
    list->setCurrentIndex(3);
    EXPECT_EQ(d.selection(), 4);
}

TEST(DownloadProgressDialog, ShowsTheMessagesOfAnAllUsersDownloadInOrder) {
    TempDir dir;
    SimulatedRecorder recorder({"--generate", "2,0,1", "--baud", "0"});
    MessageRecorder messages;
    DownloadProgressDialog dialog({4, QString::fromStdString(dir.path()),
                                   QString::fromStdString(recorder.port()), QString()});
    dialog.exec(); // ends when the download thread ends

    ASSERT_EQ(dialog.outcome(), DownloadOutcome::Completed);
    const QStringList files = dialog.savedFiles();
    ASSERT_EQ(files.size(), 2);
    const QStringList expected{StringTable::label(57613), "File was saved : \"" + files[0] + "\"",
                               "用户2没有血压数据", StringTable::label(57613),
                               "File was saved : \"" + files[1] + "\""};
    EXPECT_EQ(messages.texts, expected);
}

TEST(DownloadProgressDialog, OperationCompleteOnlyFollowsAnIntactSavedFile) {
    TempDir dir;
    // Stream: echo, memory 1 at 1..26, memory 2 (empty) at 27, memory 3 at 29 with its records
    // at 31 and 43; the recorder falls silent after five bytes of the second.
    SimulatedRecorder recorder({"--generate", "2,0,2", "--baud", "0", "--cut", "48"});
    MessageRecorder messages;
    DownloadProgressDialog dialog({4, QString::fromStdString(dir.path()),
                                   QString::fromStdString(recorder.port()), QString()});
    dialog.exec();

    ASSERT_EQ(dialog.outcome(), DownloadOutcome::LinkLost);
    const QStringList files = dialog.savedFiles();
    ASSERT_EQ(files.size(), 2);
    const QStringList expected{
        StringTable::label(57613), "File was saved : \"" + files[0] + "\"", "用户2没有血压数据",
        "File was saved : \"" + files[1] + "\"\n1 条测量数据未完整接收，已保存为失败的测量。",
        "记录仪停止发送数据：用户3 只收到 1 / 2 条测量数据。\n串口关闭!"};
    EXPECT_EQ(messages.texts, expected);
}

TEST(DownloadProgressDialog, NoRecorderAsksRetryOrCancel) {
    TempDir dir;
    SimulatedRecorder recorder({"--silent"});
    MessageRecorder messages;
    messages.answers << QMessageBox::Cancel;
    DownloadProgressDialog dialog({1, QString::fromStdString(dir.path()),
                                   QString::fromStdString(recorder.port()), QString()});
    dialog.exec();
    EXPECT_EQ(dialog.outcome(), DownloadOutcome::NoDevice);
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57629)});
}

TEST(UploadProgressDialog, EndsWithOperationCompleteOrConnectionFailed) {
    EXPECT_EQ(UploadProgressDialog::FinalMessage(UploadOutcome::Done), 57613);
    EXPECT_EQ(UploadProgressDialog::FinalMessage(UploadOutcome::AcknowledgementLost), 57622);
    EXPECT_EQ(UploadProgressDialog::FinalMessage(UploadOutcome::NoDevice), 0);

    SimulatedRecorder recorder({"--baud", "0"});
    MessageRecorder messages;
    PlanChoices c;
    c.patientName = "A";
    c.patientId = "1";
    UploadProgressDialog dialog({MeasurementPlan::Ambulatory(c, RecorderKind::ZemAbpm, 0),
                                 QString::fromStdString(recorder.port()), QString()});
    dialog.exec();
    EXPECT_EQ(dialog.outcome(), UploadOutcome::Done);
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57613)});
}

class DeviceConfigurationTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string record = dir.file("r.awp");
};

TEST_F(DeviceConfigurationTest, ShowsTheRecorderKeysOfTheLastTest) {
    {
        CIniDocument doc(record);
        doc.WriteString("PATIENT DATA", "Test Count", "2");
        doc.WriteString("TEST 2", "AMU", "VELORA07");
        doc.WriteInt("TEST 2", "IsDisplay", 0);
        doc.WriteInt("TEST 2", "AwakeHour", 7);
        doc.WriteInt("TEST 2", "AwakeMin", 30);
        doc.WriteInt("TEST 2", "AwakeDuration", 15);
        doc.WriteInt("TEST 2", "AsleepHour", 22);
        doc.WriteInt("TEST 2", "AsleepDuration", 30);
        doc.WriteInt("TEST 2", "SpecialHourStart", 13);
        doc.WriteInt("TEST 2", "AsleepMinStart", 5);
        doc.WriteInt("TEST 2", "SpecialHourEnd", 14);
        doc.WriteInt("TEST 2", "SpecialMinEnd", 45);
        doc.WriteInt("TEST 1", "AwakeHour", 1); // an earlier test is not shown
    }
    const QString expected = "AMU 类型: VELORA07\r\n"
                             "显示 （开/关）: 关\r\n"
                             "开始键 （开/关）: 开\r\n"
                             "非睡眠时间: 07:30  间隔: 15\r\n"
                             "睡眠时间: 22:00  间隔: 30\r\n"
                             "特殊事件开始时间: 13:05  \r\n"
                             "特殊事件结束时间: 14:45  \r\n"
                             "间隔: 30\r\n";
    EXPECT_EQ(DeviceConfigurationDialog::BuildText(record), expected);
}

TEST_F(DeviceConfigurationTest, MissingKeysShowTheirDefaults) {
    {
        CIniDocument doc(record);
        doc.WriteInt("PATIENT DATA", "Test Count", 1);
    }
    const QString text = DeviceConfigurationDialog::BuildText(record);
    EXPECT_TRUE(text.startsWith("AMU 类型: 未知\r\n显示 （开/关）: 开\r\n开始键 （开/关）: 开\r\n"
                                "非睡眠时间: 00:00  间隔: 0\r\n"))
        << text.toStdString();
    DeviceConfigurationDialog dialog(text);
    EXPECT_FALSE(dialog.shownText().contains('\r'));
}

TEST(DeviceConfiguration, NoLoadedRecordSaysSo) {
    MessageRecorder messages;
    PatientRecord record;
    ShowDeviceConfiguration(nullptr, record);
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57708)});
}

TEST(WearingInstructions, TextIsTheSixInstructionsInOrder) {
    QString expected;
    for (int id : {57813, 57814, 57815, 57816, 57817, 57818}) {
        ASSERT_FALSE(StringTable::label(id).isEmpty()) << id;
        expected += StringTable::label(id);
    }
    WearingInstructionsDialog d;
    EXPECT_EQ(d.shownText(), expected);
}

TEST(WearingInstructions, PictureShowsTheCuff) {
    QImage image(300, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    WearingPicture::Paint(painter, image.rect());
    painter.end();
    // The cuff's green is at the middle of the upper arm (grid 215, 138).
    EXPECT_EQ(image.pixelColor(215, 138), QColor(60, 120, 80));
}

} // namespace
