#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <filesystem>

#include "CAbpmApp.h"
#include "CIniDocument.h"
#include "CMainFrame.h"
#include "COBLView.h"
#include "CommandIds.h"
#include "ControlBar.h"
#include "ModalAnswerer.h"
#include "StringTable.h"
#include "TempDir.h"

namespace {

// A program folder and a start folder of their own for each test.
struct Folders {
    TempDir program;
    TempDir start;
    QString previous = QDir::currentPath();
    Folders() { QDir::setCurrent(QString::fromStdString(start.path())); }
    ~Folders() { QDir::setCurrent(previous); }
};

} // namespace

TEST(Startup, FirstStartWritesTheFamilyConfiguration) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    const std::string ini = f.start.file("OblCofig.ini");
    ASSERT_TRUE(FileExists(ini));
    const CIniDocument doc(ini);
    EXPECT_EQ(doc.GetString("Previous Config", "Current Config", ""), "Config family");
    const std::string language = doc.GetString("Previous Config", "Language", "english");
    EXPECT_EQ(language, "english");
    for (const char* key :
         {"Demographics Page", "Bar Graph Page", "Data Page", "BP Pie Page", "BP Histogram Page"})
        EXPECT_EQ(doc.GetInt("Config family", key, 0), 1) << key;
    EXPECT_EQ(doc.GetString("Config family", "Patient File Path", ""), f.start.path());
    EXPECT_EQ(app.state().patientFileFolder, f.start.path());
    EXPECT_EQ(app.state().record.isLoaded, 0);
}

TEST(Startup, StoredFolderThatVanishedFallsBackWithAMessage) {
    Folders f;
    WriteFileBytes(f.start.file("OblCofig.ini"),
                   "[Config family]\r\nPatient File Path=/no/such/folder\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("/no/such/folder")));
    EXPECT_EQ(app.state().patientFileFolder, f.start.path());
}

TEST(MainFrame, RecordCommandsAreGreyedUntilARecordIsLoaded) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    CMainFrame* frame = app.frame();
    int trendRuns = 0;
    frame->setHandler(Cmd::BpTrend, [&] { ++trendRuns; });
    frame->setHandler(Cmd::SleepPeriods, [] {});
    frame->setHandler(Cmd::PrintPreview, [] {});

    EXPECT_TRUE(frame->action(Cmd::Open)->isEnabled());
    EXPECT_FALSE(frame->action(Cmd::BpTrend)->isEnabled());
    EXPECT_FALSE(frame->action(Cmd::SleepPeriods)->isEnabled());
    EXPECT_FALSE(frame->action(Cmd::PrintPreview)->isEnabled());
    EXPECT_FALSE(frame->runCommand(Cmd::BpTrend));
    EXPECT_EQ(trendRuns, 0);
    for (int id : {int(Cmd::Print), int(Cmd::SaveAsPdf), int(Cmd::ExportCsv)})
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    EXPECT_TRUE(frame->action(Cmd::PrinterSetup)->isEnabled());

    ASSERT_TRUE(app.openRecordFile(QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp")));
    EXPECT_TRUE(frame->action(Cmd::BpTrend)->isEnabled());
    EXPECT_TRUE(frame->action(Cmd::SleepPeriods)->isEnabled());
    EXPECT_TRUE(frame->runCommand(Cmd::BpTrend));
    EXPECT_EQ(trendRuns, 1);
    for (int id : {int(Cmd::Print), int(Cmd::SaveAsPdf), int(Cmd::ExportCsv)})
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
}

TEST(MainFrame, ChartCommandsSelectTheirDisplaysAndTheTrendBringsTheBarBack) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    CMainFrame* frame = app.frame();
    EXPECT_FALSE(frame->action(Cmd::BarCharts)->isEnabled());
    ASSERT_TRUE(app.openRecordFile(QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp")));
    const std::pair<int, COBLView::DisplayMode> commands[] = {{Cmd::BarCharts, COBLView::BarCharts},
                                                              {Cmd::PieCharts, COBLView::PieCharts},
                                                              {Cmd::FitLine, COBLView::FitLine}};
    for (const auto& [command, mode] : commands) {
        EXPECT_TRUE(frame->action(command)->isEnabled()) << command;
        EXPECT_TRUE(frame->runCommand(command)) << command;
        EXPECT_EQ(frame->view()->displayMode(), mode);
        EXPECT_TRUE(frame->view()->controlBar()->isHidden());
    }
    EXPECT_TRUE(frame->runCommand(Cmd::BpTrend));
    EXPECT_FALSE(frame->view()->controlBar()->isHidden());
}

TEST(MainFrame, StatusBarShowsTheLoadedPatient) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    const QString empty = StringTable::text(57822) + "   " + StringTable::text(57823) + "   " +
                          StringTable::text(57824);
    EXPECT_EQ(app.frame()->statusLabel()->text(), empty);
    // Toolbar buttons show the short words, the menu the full command.
    EXPECT_EQ(app.frame()->action(Cmd::Download)->iconText(), StringTable::text(57782));
    EXPECT_EQ(app.frame()->action(Cmd::Download)->text(), StringTable::text(32812));
    ASSERT_TRUE(app.openRecordFile(QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp")));
    const QString text = app.frame()->statusLabel()->text();
    EXPECT_TRUE(text.startsWith(StringTable::text(57822) + QStringLiteral("张伟   ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(StringTable::text(57823) + QStringLiteral("0012345")));
    EXPECT_TRUE(text.endsWith(StringTable::text(57824) + QStringLiteral("10/3/2026 8:40")));
}

TEST(MainFrame, OpeningAnUnreadableRecordIsReported) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    ModalAnswerer answer(QMessageBox::Ok);
    EXPECT_FALSE(app.openRecordFile(QString::fromStdString(f.start.file("gone.awp"))));
    EXPECT_EQ(answer.texts.size(), 1);
    EXPECT_FALSE(app.frame()->action(Cmd::EditReadings)->isEnabled());
}

TEST(MainFrame, DamagedSpo2SeriesIsReportedAndTheBpTestStillOpens) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    // "DataCount" says 2; the pack holds one record and the trailer.
    const std::string path = f.start.file("damaged.awp");
    WriteFileBytes(path, "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=1\r\n"
                         "1=00007D50485F0000000000000\r\n"
                         "[SPO2 DATA]\r\nDataCount=2\r\nDATA PACK=603C0000000100000001\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    EXPECT_TRUE(app.openRecordFile(QString::fromStdString(path)));
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("damaged.awp")));
    EXPECT_EQ(app.state().record.test.readingCount, 1);
    EXPECT_EQ(app.state().spo2.length(), 0u);
}

TEST(MainFrame, ARecordTooLargeOrWithTooManyReadingsIsReportedByName) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    const std::string huge = f.start.file("huge.awp");
    WriteFileBytes(huge, "[PATIENT DATA]\r\nTest Count=1\r\n");
    std::filesystem::resize_file(huge, CIniDocument::kMaxFileBytes + 1);
    const std::string many = f.start.file("many.awp");
    std::string text = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=1030\r\n";
    for (int n = 1; n <= 1030; ++n)
        text += std::to_string(n) + "=00007D50485F0000000000000\r\n";
    WriteFileBytes(many, text);

    ModalAnswerer answer(QMessageBox::Ok);
    EXPECT_FALSE(app.openRecordFile(QString::fromStdString(huge)));
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("huge.awp")));
    EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("64 MB")));
    EXPECT_TRUE(app.openRecordFile(QString::fromStdString(many)));
    ASSERT_EQ(answer.texts.size(), 2);
    EXPECT_TRUE(answer.texts[1].contains(QStringLiteral("many.awp")));
    EXPECT_TRUE(answer.texts[1].contains(QStringLiteral("1030")));
    EXPECT_EQ(app.state().record.test.readingCount, 1024);
}

TEST(MainFrame, DeleteCommandUnloadsTheRecordFirst) {
    Folders f;
    CAbpmApp app(QString::fromStdString(f.program.path()), QString::fromStdString(f.start.path()));
    ASSERT_TRUE(app.initInstance());
    ASSERT_TRUE(app.openRecordFile(QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp")));
    ModalAnswerer answer(QMessageBox::No);
    answer.setDialogHandler(
        [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); });
    app.deleteCommand();
    EXPECT_EQ(app.state().record.isLoaded, 0);
}
