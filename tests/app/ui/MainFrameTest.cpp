#include <QAction>
#include <QLabel>
#include <filesystem>

#include "COBLView.h"
#include "ShellFixtures.h"

// The configuration lives in the start folder, not the program folder.
TEST(Startup, FirstStartWritesTheFamilyConfigurationAndAVanishedFolderFallsBackWithAMessage) {
    ShellFolders f;
    const std::string config = f.start.file("OblCofig.ini");
    {
        CAbpmApp app(f.programPath(), f.startPath());
        ASSERT_TRUE(app.initInstance());
        EXPECT_EQ(Value(config, "Previous Config", "Current Config"), "Config family");
        EXPECT_EQ(app.state().patientFileFolder, f.start.path());
    }
    CIniDocument(config).WriteString("Config family", "Patient File Path", "/no/such/folder");
    ModalAnswerer answer(QMessageBox::Ok);
    CAbpmApp app(f.programPath(), f.startPath());
    ASSERT_TRUE(app.initInstance());
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_TRUE(answer.texts[0].contains(QStringLiteral("/no/such/folder")));
    EXPECT_EQ(app.state().patientFileFolder, f.start.path());
}

// Deleting records unloads the open one first.
TEST(MainFrame, RecordCommandsWaitForARecordWhosePatientTheStatusBarShows) {
    StartedApp s;
    CAbpmApp& app = s.app;
    CMainFrame* frame = app.frame();
    frame->setHandler(Cmd::SleepPeriods, [] {});
    const int recordCommands[] = {Cmd::BpTrend,   Cmd::SleepPeriods, Cmd::PrintPreview, Cmd::Print,
                                  Cmd::SaveAsPdf, Cmd::ExportCsv,    Cmd::BarCharts};
    for (int id : recordCommands)
        EXPECT_FALSE(frame->action(id)->isEnabled()) << id;
    EXPECT_FALSE(frame->runCommand(Cmd::SleepPeriods));

    ASSERT_TRUE(app.openRecordFile(QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp")));
    for (int id : recordCommands)
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
    EXPECT_TRUE(frame->runCommand(Cmd::SleepPeriods));
    const std::pair<int, COBLView::DisplayMode> charts[] = {{Cmd::BarCharts, COBLView::BarCharts},
                                                            {Cmd::PieCharts, COBLView::PieCharts},
                                                            {Cmd::FitLine, COBLView::FitLine}};
    for (const auto& [command, mode] : charts)
        EXPECT_TRUE(frame->runCommand(command) && frame->view()->displayMode() == mode) << command;
    const QString text = frame->statusLabel()->text();
    EXPECT_TRUE(text.startsWith(StringTable::text(57822) + QStringLiteral("张伟   ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(StringTable::text(57823) + QStringLiteral("0012345")));
    EXPECT_TRUE(text.endsWith(StringTable::text(57824) + QStringLiteral("10/3/2026 8:40")));
    ModalAnswerer answer(QMessageBox::No);
    answer.setDialogHandler(
        [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); });
    app.deleteCommand();
    EXPECT_EQ(app.state().record.isLoaded, 0);
}

TEST(MainFrame, RecordsThatCannotBeReadWholeAreReportedByName) {
    StartedApp s;
    const TempDir& dir = s.start;
    const std::string head = "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\n";
    const std::string reading = "=00007D50485F0000000000000\r\n";
    WriteFileBytes(dir.file("huge.awp"), head);
    std::filesystem::resize_file(dir.file("huge.awp"), CIniDocument::kMaxFileBytes + 1);
    std::string many = head + "Count=1030\r\n";
    for (int n = 1; n <= 1030; ++n)
        many += std::to_string(n) + reading;
    WriteFileBytes(dir.file("many.awp"), many);
    // "DataCount" says 2; the pack holds one record and the trailer: the test still opens.
    WriteFileBytes(dir.file("damaged.awp"),
                   head + "Count=1\r\n1" + reading +
                       "[SPO2 DATA]\r\nDataCount=2\r\nDATA PACK=603C0000000100000001\r\n");
    // File, opens, words of the message besides the file name, readings loaded.
    const std::tuple<const char*, bool, const char*, int> cases[] = {
        {"gone.awp", false, "", 0},
        {"huge.awp", false, "64 MB", 0},
        {"many.awp", true, "1030", 1024},
        {"damaged.awp", true, "", 1}};
    for (const auto& [file, opens, words, readings] : cases) {
        SCOPED_TRACE(file);
        ModalAnswerer answer(QMessageBox::Ok);
        EXPECT_EQ(s.app.openRecordFile(Q(dir.file(file))), opens);
        ASSERT_EQ(answer.texts.size(), 1);
        EXPECT_TRUE(answer.texts[0].contains(QString::fromLatin1(file)));
        EXPECT_TRUE(answer.texts[0].contains(QString::fromLatin1(words)));
        EXPECT_EQ(s.app.frame()->action(Cmd::EditReadings)->isEnabled(), opens);
        EXPECT_EQ(s.app.state().record.test.readingCount, readings);
    }
}
