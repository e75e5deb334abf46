#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

#include "AppState.h"
#include "ModalAnswerer.h"
#include "PageKinds.h"
#include "ReportCommands.h"
#include "ReportRun.h"
#include "TempDir.h"

namespace {

// The 24-hour sample: 64 readings, 63 of them included.
struct Commands {
    TempDir dir;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    QWidget window;
    std::unique_ptr<ReportCommands> commands;

    explicit Commands(const std::string& pageKeys) {
        WriteFileBytes(dir.file("OblCofig.ini"),
                       "[Previous Config]\r\nCurrent Config=Config family\r\n[Config family]\r\n" +
                           pageKeys);
        EXPECT_TRUE(state->openRecord(ABPM_SAMPLES_DIR "/24h-normal-dip.awp", {}));
        commands = std::make_unique<ReportCommands>(
            *state, QString::fromStdString(dir.file("OblCofig.ini")), &window);
    }
};

} // namespace

TEST(ReportCommands, WithoutAPageTheUserIsToldInsteadOfGivenAnEmptyDialog) {
    Commands c("Statistics Page=2\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    int dialogs = 0;
    answer.setDialogHandler([&](QWidget* dialog) {
        ++dialogs;
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    c.commands->preview();
    c.commands->print();
    c.commands->saveAsPdf();
    EXPECT_EQ(answer.texts.size(), 3);
    EXPECT_EQ(dialogs, 0);
}

TEST(ReportCommands, SaveAsPdfWritesTheSelectedPages) {
    Commands c("Demographics Page=1\r\nData Page=1\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    const QString target = QString::fromStdString(c.dir.file("report"));
    answer.setDialogHandler([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(target);
        QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
    });
    c.commands->saveAsPdf();
    EXPECT_TRUE(answer.texts.isEmpty());
    // The patient data page and ceil(63 / 45) = 2 data pages; no partial file is left.
    const std::string pdf = ReadFileBytes(c.dir.file("report.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_EQ(pages, 3u);
    EXPECT_EQ(QDir(QString::fromStdString(c.dir.path()))
                  .entryList({"*.part"}, QDir::Files | QDir::Hidden)
                  .size(),
              0);
}

TEST(ReportCommands, ChartPagesTakeThePeriodAndBandsChosenOnScreen) {
    Commands c("BP Pie Page=1\r\n");
    c.state->chart.period = ChartPeriod::Asleep;
    c.state->chart.bands.heartRate = {110, 50};
    const ReportOptions options =
        WindowReportOptions(*c.state, QString::fromStdString(c.dir.file("OblCofig.ini")));
    EXPECT_EQ(options.selection.pages[PageKinds::BpPie], 1);
    EXPECT_EQ(options.chartPeriod, ChartPeriod::Asleep);
    EXPECT_EQ(options.chartBands.heartRate.upper, 110);
    EXPECT_EQ(options.chartBands.heartRate.lower, 50);
}
