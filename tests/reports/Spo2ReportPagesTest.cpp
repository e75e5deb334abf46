// The SpO2 report pages drawn on the recording paint device.
#include <gtest/gtest.h>

#include <QPainter>

#include "PageDispatcher.h"
#include "RecordingPaintDevice.h"
#include "ReportContext.h"
#include "SeriesBuilder.h"
#include "Spo2Analysis.h"

using namespace SeriesBuilder;

namespace {

class Spo2ReportPages : public ::testing::Test {
  protected:
    void SetUp() override {
        record->test.beginDateText = "20/3/2026 22:30";
        record->test.readingCount = 2;
        record->test.readings[1].minutesFromStart = 530; // the test lasts 8 h 50 min
        series = MakeSeries(Repeat(96, 4000));
        series.year = 2026, series.month = 3, series.day = 20, series.hour = 22;
        series.minute = 30;
    }
    void draw(int kind) {
        analysis.analyse(series);
        ReportContext c{.record = *record, .sets = sets, .stats = stats};
        c.style = ReportStyle::ForResolution(96, 96);
        c.spo2 = &series;
        c.spo2Analysis = &analysis;
        c.spo2Window = 600;
        c.pages.spo2FullPageCount = 3; // 4000 / 1800 + 1
        device.clear();
        QPainter painter(&device);
        DrawReportPage(painter, QRect(0, 0, 1800, 2600), c, kind);
    }

    std::unique_ptr<PatientRecord> record = std::make_unique<PatientRecord>();
    ReadingSets sets;
    BpStatistics stats;
    Spo2Series series;
    Spo2Analysis analysis;
    RecordingPaintDevice device{QSize(1800, 2600)};
};

} // namespace

TEST_F(Spo2ReportPages, TheQuantitativePageNamesTheThresholdsItWasAnalysedWith) {
    // Thresholds other than the defaults are printed as they are, and so is the level.
    analysis.setSpo2Parameters(5, 12);
    analysis.setPulseParameters(7, 9);
    analysis.setCriticalLevel(90);
    draw(52);
    EXPECT_TRUE(device.hasText(QStringLiteral("测量时间: 8:50")));
    EXPECT_TRUE(device.hasText(QStringLiteral("饱和事件：血氧下降至少%5，持续时间至少12秒")));
    EXPECT_TRUE(device.hasText(QStringLiteral("脉搏事件：脉率变化至少7bpm，持续时间至少9秒")));
    EXPECT_TRUE(device.hasText(QStringLiteral("时长(分钟) < 90%")));
    EXPECT_TRUE(device.hasText(QStringLiteral("事件 <90%")));
    EXPECT_FALSE(device.hasText(QStringLiteral("事件 <88%")));
}

TEST_F(Spo2ReportPages, AFullReportPageShowsItsThreeWindows) {
    // Page 1 holds strips 3 to 5: seconds 1800, 2400 and 3000 after 22:30.
    draw(55);
    EXPECT_TRUE(device.hasText(QStringLiteral("2 / 3")));
    for (const char* start : {"2026-3-20 23:00:00", "2026-3-20 23:10:00", "2026-3-20 23:20:00"})
        EXPECT_TRUE(device.hasText(QString::fromLatin1(start))) << start;
    EXPECT_FALSE(device.hasText(QStringLiteral("2026-3-20 22:50:00")));
    EXPECT_TRUE(device.hasText(QStringLiteral("30:00"))); // the first strip's first grid line
    // Page 2: strip 6 starts at 3600; strip 7 would start after the series' end.
    draw(56);
    EXPECT_TRUE(device.hasText(QStringLiteral("2026-3-20 23:30:00")));
    EXPECT_FALSE(device.hasText(QStringLiteral("2026-3-20 23:40:00")));
    EXPECT_EQ(device.textsEqualTo(QStringLiteral("血氧 (%10每格)")).size(), 1u);
}
