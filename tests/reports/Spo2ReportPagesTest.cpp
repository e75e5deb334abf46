#include <gtest/gtest.h>

#include <QPainter>

#include "PageDispatcher.h"
#include "RecordingPaintDevice.h"
#include "ReportContext.h"
#include "SeriesBuilder.h"
#include "Spo2Analysis.h"

using namespace SeriesBuilder;

TEST(Spo2ReportPages, QuantitativePageNamesItsThresholdsAndFullReportPagesTheirWindows) {
    auto record = std::make_unique<PatientRecord>();
    record->test.beginDateText = "20/3/2026 22:30";
    record->test.readingCount = 2;
    record->test.readings[1].minutesFromStart = 530; // the test lasts 8 h 50 min
    Spo2Series series = MakeSeries(Repeat(96, 4000));
    series.year = 2026, series.month = 3, series.day = 20, series.hour = 22, series.minute = 30;
    // Thresholds other than the defaults are printed as they are, and so is the level.
    Spo2Analysis analysis;
    analysis.setSpo2Parameters(5, 12);
    analysis.setPulseParameters(7, 9);
    analysis.setCriticalLevel(90);
    analysis.analyse(series);
    const ReadingSets sets;
    const BpStatistics stats;
    ReportContext c{.record = *record, .sets = sets, .stats = stats};
    c.style = ReportStyle::ForResolution(96, 96);
    c.spo2 = &series;
    c.spo2Analysis = &analysis;
    c.spo2Window = 600;
    c.pages.spo2FullPageCount = 3; // 4000 / 1800 + 1
    RecordingPaintDevice device{QSize(1800, 2600)};
    const auto draw = [&](int kind) {
        device.clear();
        QPainter painter(&device);
        DrawReportPage(painter, QRect(0, 0, 1800, 2600), c, kind);
    };

    draw(52);
    for (const char* text :
         {"测量时间: 8:50", "饱和事件：血氧下降至少%5，持续时间至少12秒",
          "脉搏事件：脉率变化至少7bpm，持续时间至少9秒", "时长(分钟) < 90%", "事件 <90%"})
        EXPECT_TRUE(device.hasText(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(device.hasText(QStringLiteral("事件 <88%")));

    // Full report page 2 of 3 holds strips 3 to 5: seconds 1800, 2400 and 3000 after 22:30.
    draw(55);
    EXPECT_TRUE(device.hasText(QStringLiteral("2 / 3")));
    for (const char* start : {"2026-3-20 23:00:00", "2026-3-20 23:10:00", "2026-3-20 23:20:00"})
        EXPECT_TRUE(device.hasText(QString::fromLatin1(start))) << start;
    EXPECT_FALSE(device.hasText(QStringLiteral("2026-3-20 22:50:00")));
    // Page 3: strip 6 starts at 3600; strip 7 would start after the series' end.
    draw(56);
    EXPECT_TRUE(device.hasText(QStringLiteral("2026-3-20 23:30:00")));
    EXPECT_FALSE(device.hasText(QStringLiteral("2026-3-20 23:40:00")));
}
