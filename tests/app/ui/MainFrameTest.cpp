#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <filesystem>

#include "CAbpmApp.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "ModalAnswerer.h"
#include "ShellFixtures.h"
#include "StringTable.h"

// The configuration lives in the start folder, not the program folder.
TEST(Startup, FirstStartWritesTheFamilyConfigurationAndAVanishedFolderFallsBackWithAMessage) {
    ShellFolders f;
    {
        CAbpmApp app(f.programPath(), f.startPath());
        ASSERT_TRUE(app.initInstance());
        EXPECT_EQ(Value(f.start.file("OblCofig.ini"), "Previous Config", "Current Config"),
                  "Config family");
        EXPECT_EQ(app.state().patientFileFolder, f.start.path());
        EXPECT_EQ(app.state().record.isLoaded, 0);
    }
    CIniDocument(f.start.file("OblCofig.ini"))
        .WriteString("Config family", "Patient File Path", "/no/such/folder");
    ModalAnswerer answer(QMessageBox::Ok);
    CAbpmApp app(f.programPath(), f.startPath());
    ASSERT_TRUE(app.initInstance());
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("/no/such/folder")));
    EXPECT_EQ(app.state().patientFileFolder, f.start.path());
}

TEST(MainFrame, RecordCommandsWaitForARecordWhosePatientTheStatusBarShows) {
    ShellFolders f;
    CAbpmApp app(f.programPath(), f.startPath());
    ASSERT_TRUE(app.initInstance());
    CMainFrame* frame = app.frame();
    int sleepRuns = 0;
    frame->setHandler(Cmd::SleepPeriods, [&] { ++sleepRuns; });
    const int recordCommands[] = {Cmd::BpTrend,   Cmd::SleepPeriods, Cmd::PrintPreview, Cmd::Print,
                                  Cmd::SaveAsPdf, Cmd::ExportCsv,    Cmd::BarCharts};
    for (int id : recordCommands)
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    EXPECT_TRUE(frame->action(Cmd::Open)->isEnabled());
    EXPECT_FALSE(frame->runCommand(Cmd::SleepPeriods));
    EXPECT_EQ(sleepRuns, 0);

    ASSERT_TRUE(app.openRecordFile(QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp")));
    for (int id : recordCommands)
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
    EXPECT_TRUE(frame->runCommand(Cmd::SleepPeriods));
    EXPECT_EQ(sleepRuns, 1);
    const QString text = frame->statusLabel()->text();
    EXPECT_TRUE(text.startsWith(StringTable::text(57822) + QStringLiteral("张伟   ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(StringTable::text(57823) + QStringLiteral("0012345")));
    EXPECT_TRUE(text.endsWith(StringTable::text(57824) + QStringLiteral("10/3/2026 8:40")));
}

TEST(MainFrame, RecordsThatCannotBeReadWholeAreReportedByName) {
    ShellFolders f;
    CAbpmApp app(f.programPath(), f.startPath());
    ASSERT_TRUE(app.initInstance());
    const std::string head = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\n";
    const std::string reading = "=00007D50485F0000000000000\r\n";
    WriteFileBytes(f.start.file("huge.awp"), head);
    std::filesystem::resize_file(f.start.file("huge.awp"), CIniDocument::kMaxFileBytes + 1);
    std::string many = head + "Count=1030\r\n";
    for (int n = 1; n <= 1030; ++n)
        many += std::to_string(n) + reading;
    WriteFileBytes(f.start.file("many.awp"), many);
    // "DataCount" says 2; the pack holds one record and the trailer: the test still opens.
    WriteFileBytes(f.start.file("damaged.awp"),
                   head + "Count=1\r\n1" + reading +
                       "[SPO2 DATA]\r\nDataCount=2\r\nDATA PACK=603C0000000100000001\r\n");
    struct Case {
        const char* file;
        bool opens;
        const char* words; // besides the file name
        int readings;
    };
    for (const Case& c : {Case{"gone.awp", false, "", 0}, Case{"huge.awp", false, "64 MB", 0},
                          Case{"many.awp", true, "1030", 1024}, Case{"damaged.awp", true, "", 1}}) {
        SCOPED_TRACE(c.file);
        ModalAnswerer answer(QMessageBox::Ok);
        EXPECT_EQ(app.openRecordFile(QString::fromStdString(f.start.file(c.file))), c.opens);
        ASSERT_EQ(answer.texts.size(), 1);
        EXPECT_TRUE(answer.texts[0].contains(QString::fromLatin1(c.file)));
        EXPECT_TRUE(answer.texts[0].contains(QString::fromLatin1(c.words)));
        EXPECT_EQ(app.frame()->action(Cmd::EditReadings)->isEnabled(), c.opens);
        EXPECT_EQ(app.state().record.test.readingCount, c.readings);
        EXPECT_EQ(app.state().spo2.length(), 0u);
    }
}

TEST(MainFrame, DeleteCommandUnloadsTheRecordFirst) {
    ShellFolders f;
    CAbpmApp app(f.programPath(), f.startPath());
    ASSERT_TRUE(app.initInstance());
    ASSERT_TRUE(app.openRecordFile(QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp")));
    ModalAnswerer answer(QMessageBox::No);
    answer.setDialogHandler(
        [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); });
    app.deleteCommand();
    EXPECT_EQ(app.state().record.isLoaded, 0);
}
