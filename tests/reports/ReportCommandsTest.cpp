#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPicture>
#include <QWidget>

#include "AppState.h"
#include "ModalAnswerer.h"
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

    explicit Commands(const std::string& pageKeys,
                      const char* record = ABPM_SAMPLES_DIR "/24h-normal-dip.awp") {
        WriteFileBytes(dir.file("OblCofig.ini"),
                       "[Previous Config]\r\nCurrent Config=Config family\r\n[Config family]\r\n" +
                           pageKeys);
        EXPECT_TRUE(state->openRecord(record, {}));
        commands = std::make_unique<ReportCommands>(
            *state, QString::fromStdString(dir.file("OblCofig.ini")), &window);
    }
};

// Saves the run as "report.pdf" in the fixture's folder; returns its page count.
std::size_t SavePdf(Commands& c, ModalAnswerer& answer) {
    const QString target = QString::fromStdString(c.dir.file("report"));
    answer.setDialogHandler([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(target);
        QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
    });
    c.commands->saveAsPdf();
    const std::string pdf = ReadFileBytes(c.dir.file("report.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1))
        ++pages;
    return pages;
}

} // namespace

TEST(ReportCommands, WithoutAPageTheUserIsToldInsteadOfGivenAnEmptyDialog) {
    Commands c("Statistics Page=2\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    int dialogs = 0;
    answer.setDialogHandler([&](QWidget* dialog) {
        ++dialogs;
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    c.commands->print(); // preview and save as PDF share its check
    EXPECT_EQ(answer.texts.size(), 1);
    EXPECT_EQ(dialogs, 0);
}

TEST(ReportCommands, SaveAsPdfWritesTheSelectedPagesAndTheSpo2StripsOfTheTrendsWindow) {
    ModalAnswerer answer(QMessageBox::Ok);
    Commands c("Demographics Page=1\r\nData Page=1\r\n");
    // The patient data page and ceil(63 / 45) = 2 data pages; no partial file is left.
    EXPECT_EQ(SavePdf(c, answer), 3u);
    EXPECT_TRUE(answer.texts.isEmpty());
    EXPECT_TRUE(QDir(QString::fromStdString(c.dir.path()))
                    .entryList({"*.part"}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    Commands spo2("Spo2 Page=2\r\n", ABPM_SAMPLES_DIR "/spo2-night.awp");
    spo2.commands->setSpo2Window([] { return 3600; });
    // Eight hours in strips of an hour: 28800 / (3 * 3600) + 1 = 3 pages.
    EXPECT_EQ(SavePdf(spo2, answer), 3u);
}

TEST(ReportCommands, ChartPagesTakeThePeriodAndBandsChosenOnScreen) {
    Commands c("BP Pie Page=1\r\n");
    c.state->chart.period = ChartPeriod::Asleep;
    c.state->chart.bands.heartRate = {110, 50};
    const ReportOptions options =
        WindowReportOptions(*c.state, QString::fromStdString(c.dir.file("OblCofig.ini")));
    EXPECT_EQ(options.chartPeriod, ChartPeriod::Asleep);
    EXPECT_EQ(options.chartBands.heartRate.upper, 110);
    EXPECT_EQ(options.chartBands.heartRate.lower, 50);
    // The preview records pictures, which replay a fallback face smaller and lower than its
    // line: there the CJK face comes first. Elsewhere the Latin face keeps PDF digits as text.
    ReportRun run(*c.state, options);
    QPicture preview;
    run.begin(preview);
    EXPECT_EQ(run.context().style.regular.families().value(0), kReportCjkFamily);
    QImage sheet(10, 10, QImage::Format_RGB32);
    run.begin(sheet);
    EXPECT_EQ(run.context().style.regular.families().value(0), "DejaVu Serif");
}
