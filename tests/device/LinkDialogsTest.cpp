#include <gtest/gtest.h>

#include <QComboBox>

#include "AppState.h"
#include "DeviceCommands.h"
#include "DeviceConfigurationDialog.h"
#include "DownloadProgressDialog.h"
#include "MessageRecorder.h"
#include "SimulatedRecorder.h"
#include "StringTable.h"
#include "TempDir.h"
#include "UploadProgressDialog.h"
#include "UserSelectionDialog.h"

namespace {

TEST(UserSelectionDialog, TheLastEntryChoosesAllMemories) {
    UserSelectionDialog d;
    d.findChild<QComboBox*>()->setCurrentIndex(3); // "全部用户"
    EXPECT_EQ(d.selection(), 4);
}

// "操作完成!" comes only before an intact saved file. In the first run the stream is the echo,
// memory 1 at 1..26, memory 2 (empty) at 27, memory 3 at 29 with its records at 31 and 43; the
// recorder falls silent after five bytes of the second. No recorder: the retry question.
TEST(DownloadProgressDialog, OperationCompleteOnlyFollowsAnIntactSavedFile) {
    const std::vector<std::pair<const char*, DownloadOutcome>> runs{
        {"--generate 2,0,2 --cut 48", DownloadOutcome::LinkLost},
        {"--silent", DownloadOutcome::NoDevice}};
    for (const auto& [simulator, outcome] : runs) {
        TempDir dir;
        MessageRecorder messages;
        messages.answers << QMessageBox::Cancel;
        SimulatedRecorder recorder(std::string("--baud 0 ") + simulator);
        // The machine's own ports stay out: another test may be probing them.
        DownloadProgressDialog dialog({4, QString::fromStdString(dir.path()),
                                       QString::fromStdString(recorder.port()), QString(), false});
        dialog.exec(); // ends when the download thread ends
        EXPECT_EQ(dialog.outcome(), outcome);
        const QStringList files = dialog.savedFiles();
        const QString saved = "File was saved : \"%1\"";
        QStringList told; // first lines: counts follow a saved path, the link loss comes last
        for (const QString& text : messages.texts.mid(0, files.size() == 2 ? 4 : 2))
            told << text.section('\n', 0, 0);
        const QStringList expected =
            files.size() == 2 ? QStringList{StringTable::label(57613), saved.arg(files[0]),
                                            "用户2没有血压数据", saved.arg(files[1])}
                              : QStringList{StringTable::label(57629).section('\n', 0, 0)};
        EXPECT_EQ(told, expected);
        EXPECT_EQ(messages.texts.size(), files.size() == 2 ? 5 : 1) << simulator;
    }
}

TEST(UploadProgressDialog, EndsWithOperationCompleteOrConnectionFailed) {
    // The pauses between unanswered reads are skipped: a lost acknowledgement takes 10 reads.
    const DeviceTiming noPauses{[] { return std::time(nullptr); }, [](int) {}};
    const std::vector<std::pair<const char*, QStringList>> runs{
        {"", {StringTable::label(57613)}},
        {"--no-ack-from 5", {StringTable::label(57622)}},
        {"--silent", {StringTable::label(57629)}}, // the retry question, answered Cancel
    };
    for (const auto& [simulator, told] : runs) {
        SimulatedRecorder recorder(std::string("--baud 0 ") + simulator);
        MessageRecorder messages;
        messages.answers << QMessageBox::Cancel;
        UploadProgressDialog dialog({MeasurementPlan::Ambulatory({}, RecorderKind::ZemAbpm, 0),
                                     QString::fromStdString(recorder.port()), QString(), noPauses,
                                     false});
        dialog.exec();
        EXPECT_EQ(messages.texts, told) << simulator;
    }
}

TEST(DeviceConfiguration, ShowsTheRecorderKeysOfTheLastTest) {
    TempDir dir; // an earlier test is not shown
    WriteFileBytes(
        dir.file("r.awp"),
        "[PATIENT DATA]\r\nTest Count=2\r\n[TEST 1]\r\nAwakeHour=1\r\n[TEST 2]\r\nAMU=VELORA07\r\n"
        "IsDisplay=0\r\nAwakeHour=7\r\nAwakeMin=30\r\nAwakeDuration=15\r\nAsleepHour=22\r\n"
        "AsleepDuration=30\r\nSpecialHourStart=13\r\nAsleepMinStart=5\r\nSpecialHourEnd=14\r\n"
        "SpecialMinEnd=45\r\n");
    EXPECT_EQ(DeviceConfigurationDialog::BuildText(dir.file("r.awp")),
              "AMU 类型: VELORA07\r\n显示 （开/关）: 关\r\n开始键 （开/关）: 开\r\n非睡眠时间: "
              "07:30  间隔: 15\r\n睡眠时间: 22:00  间隔: 30\r\n特殊事件开始时间: 13:05  \r\n"
              "特殊事件结束时间: 14:45  \r\n间隔: 30\r\n");
    EXPECT_FALSE(DeviceConfigurationDialog("a\r\nb\r\n").shownText().contains('\r'));
    MessageRecorder messages;
    ShowDeviceConfiguration(nullptr, PatientRecord());
    EXPECT_EQ(messages.texts, QStringList{StringTable::label(57708)}); // no record loaded
}

} // namespace
