// abpm-cli report and export: one PDF run per option family, read back with pdftotext.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "CliRun.h"
#include "TempDir.h"
#include "ViewTestRecords.h"

namespace {

QString PdfText(const std::string& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-layout", Q(pdf), "-"});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A record of 51 readings every 30 minutes from 08:00, the last one excluded, as r.awp.
struct FiftyOneReadings {
    TempDir dir;
    QString record = path("r.awp");
    FiftyOneReadings() {
        SampleTest t;
        for (int i = 0; i < 51; ++i)
            t.readings.push_back(
                {110 + i % 10, 70 + i % 5, 60 + i % 7, 90, 30 * i, 0, i == 50, false, ""});
        WriteFileBytes(dir.file("r.awp"), RecordText({t}));
    }
    QString path(const char* name) const { return Q(dir.file(name)); }
};

} // namespace

// Readings 0 ... 28 (08:00 to 22:00) and 46 ... 49 (07:00 to 08:30) are awake, 29 ... 45 (17)
// asleep. The asleep systolic values 119, 110 ... 119, 110 ... 115 put 15 of 17 (88.2 %) into
// the bin above 110; of all 50 readings it would be 45 (90.0 %).
TEST(ReportCommand, EveryPageWithTheChartsOfThePeriodChosenAndEveryDataRow) {
    const FiftyOneReadings r;
    const CliRun run = RunCli({"report", r.record, "--pdf", r.path("r.pdf"), "--pages",
                               "demographics,statistics,summary,data,colour-trend,bar-trend,"
                               "bar-chart,pie,fit-line,frequency,hr-map-pp",
                               "--period", "night"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = PdfText(r.dir.file("r.pdf"));
    // 3 text pages, 45 + 5 rows, 7 charts.
    EXPECT_EQ(text.count(QStringLiteral("动态血压报告")), 12);
    // 50 of 51 analysed; the last reading 1500 minutes after the start.
    for (const char* expected :
         {"患者姓名: Lin", "分析次数/测量总次数: 50/51 (98.0%)", "测量次数: 50", "测量时间: 25:0",
          "柱状图 (晚上)", "88.2%", "饼图 (晚上)", "拟合线", "睡眠收缩压(N = 17)",
          "0.0% 读入 > 120 mmHg", "心率(N = 50)"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    // Reading 1 at 08:00, 110/70, 60 bpm; reading 50 at 08:30 the next day, 119/74, 60 bpm;
    // the excluded 51st is not listed.
    for (const char* row :
         {"^ *1 +\\(08:00\\) +110/70 +60 +90 +40 *$", "^ *50 +\\(08:30\\) +119/74 +60 +90 +45 *$"})
        EXPECT_TRUE(text.contains(QRegularExpression(row, QRegularExpression::MultilineOption)))
            << row;
    EXPECT_FALSE(text.contains(QRegularExpression("^ *51 ", QRegularExpression::MultilineOption)));
}

TEST(ReportCommand, SamplePatientAndTheClinicalFiguresOfStatsUnderTheGuidelineChosen) {
    TempDir dir;
    const QString sample = QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp");
    const QJsonObject means = At(RunCli({"stats", sample}).json(), "clinical/means/24h").toObject();
    const CliRun run = RunCli({"report", sample, "--pdf", Q(dir.file("c.pdf")), "--pages",
                               "demographics,clinical", "--guideline", "accaha2017"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = PdfText(dir.file("c.pdf"));
    // The thresholds of ACC/AHA 2017: 125/75 for 24 hours, 130/80 by day and 110/65 by night.
    for (const QString& figure :
         {QStringLiteral("患者姓名: 张伟"), QStringLiteral("中关村大街27号"),
          QStringLiteral("氨氯地平 5mg 每日一次"), QStringLiteral("ACC/AHA 2017"),
          QStringLiteral("125/75"), QStringLiteral("130/80"), QStringLiteral("110/65"),
          QString::asprintf("%.1f/%.1f", means["systolic"].toDouble(),
                            means["diastolic"].toDouble())})
        EXPECT_TRUE(text.contains(figure)) << figure.toStdString();
}

TEST(ReportCommand, BadInputAndAnUnwritableTarget) {
    const FiftyOneReadings r;
    const QString pdf = r.path("r.pdf");
    const std::tuple<QStringList, int, const char*> cases[] = {
        {{"--pdf", pdf, "--pages", "nope"}, 2, "unknown page"},
        {{"--pdf", pdf, "--spo2", "full", "--window", "0"}, 2, "--window"},
        {{"--pdf", pdf, "--period", "noon"}, 2, "--period"},
        {{"--pdf", pdf, "--guideline", "jnc7"}, 2, "--guideline"},
        {{"--pdf", pdf, "--config", r.path("none.ini")}, 2, "none.ini"},
        {{}, 2, "usage"},
        {{"--pdf", r.path("no/such/dir/r.pdf")}, 5, "r.pdf"},
    };
    for (const auto& [args, status, message] : cases) {
        SCOPED_TRACE(message);
        const CliRun run = RunCli(QStringList{"report", r.record} + args);
        EXPECT_EQ(run.status, status);
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
    EXPECT_FALSE(FileExists(r.dir.file("r.pdf")));
}

// The full SpO2 report of the 8 h sample in strips of an hour: 28800 / (3 * 3600) + 1 = 3 pages.
TEST(ReportCommand, Spo2PagesTakeTheStripWindow) {
    TempDir dir;
    const QString pdf = Q(dir.file("q.pdf"));
    const CliRun run = RunCli({"report", ABPM_SAMPLES_DIR "/spo2-night.awp", "--pdf", pdf,
                               "--pages", "demographics", "--spo2", "full", "--window", "3600"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(PdfText(dir.file("q.pdf")).count(QStringLiteral("全面分析报告")), 3);
}

TEST(ExportCommand, WritesOneCsvLinePerReading) {
    const FiftyOneReadings r;
    const CliRun run = RunCli({"export", r.record, "--csv", r.path("r.csv")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const std::string csv = ReadFileBytes(r.dir.file("r.csv"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 52);
    EXPECT_NE(csv.find("\r\n51,2026-03-02,09:00,110,70,61,90,40,awake,0,0,0,\r\n"),
              std::string::npos);
}
