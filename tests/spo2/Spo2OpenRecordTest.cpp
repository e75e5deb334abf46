// Opening a record loads and analyses its SpO2 series along with the test.
#include <gtest/gtest.h>

#include <cstdio>

#include "AppState.h"
#include "TempDir.h"

namespace {

const std::string kSamples = ABPM_SAMPLES_DIR;

// A record with one reading and the given SPO2 DATA lines.
std::string RecordWithSpo2(const std::string& spo2Lines) {
    return "[PATIENT DATA]\r\nTest Count=1\r\nID=7\r\nName=Beta\r\n"
           "[TEST 1]\r\nHourBegin=22\r\nMinBegin=0\r\nCount=1\r\n"
           "1=00007D50485F0001000000000\r\n[SPO2 DATA]\r\n" +
           spo2Lines;
}

} // namespace

TEST(Spo2OnOpen, SampleSeriesIsAnalysedWhenTheRecordOpens) {
    AppState state;
    Spo2ReadResult result = Spo2ReadResult::Damaged;
    ASSERT_TRUE(state.openRecord(kSamples + "/spo2-night.awp", BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::Loaded);
    // Eight hours, and the two-minute sensor gap of the sample.
    EXPECT_EQ(state.spo2.length(), 8u * 3600u);
    EXPECT_EQ(state.spo2Analysis.seriesLength(), 8 * 3600);
    EXPECT_EQ(state.spo2Analysis.zeroSeconds(), 120);
    EXPECT_EQ(state.spo2Analysis.minimumSpo2(), 80); // the deepest dip: 96 - 16
}

TEST(Spo2OnOpen, DamagedSeriesIsReportedButTheTestStillLoads) {
    TempDir dir;
    const std::string path = dir.file("d.awp");
    // Two records in the pack but a count of 3.
    WriteFileBytes(path,
                   RecordWithSpo2("DataCount=3\r\nDATA PACK=603C000000015F3D0000000200000002\r\n"));
    AppState state;
    Spo2ReadResult result = Spo2ReadResult::Loaded;
    ASSERT_TRUE(state.openRecord(path, BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::Damaged);
    EXPECT_EQ(state.record.test.readingCount, 1);
    EXPECT_EQ(state.spo2Analysis.seriesLength(), 0);
}

TEST(Spo2OnOpen, NextRecordReplacesTheResultsButKeepsTheParameters) {
    TempDir dir;
    const std::string path = dir.file("s.awp");
    // 96 then 95 ... 85 at positions 2 ... 12: one event, s 0, d 11.
    std::string pack;
    char rec[16];
    for (int i = 0; i < 12; ++i) {
        std::snprintf(rec, sizeof rec, "%02X%02X%08X", i == 0 ? 96 : 96 - i, 60, i + 1);
        pack += rec;
    }
    WriteFileBytes(path, RecordWithSpo2("DataCount=12\r\nDATA PACK=" + pack + "0000000C\r\n"));
    AppState state;
    state.spo2Analysis.setSpo2Parameters(4, 11);
    ASSERT_TRUE(state.openRecord(path, BpThresholds{}));
    ASSERT_EQ(state.spo2Analysis.eventCount(), 1);
    EXPECT_EQ(state.spo2Analysis.desaturationEvents().begin()->second.duration, 11);

    Spo2ReadResult result = Spo2ReadResult::Damaged;
    ASSERT_TRUE(state.openRecord(kSamples + "/24h-normal-dip.awp", BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::NoData);
    EXPECT_EQ(state.spo2Analysis.seriesLength(), 0);
    EXPECT_EQ(state.spo2Analysis.eventCount(), 0);
    EXPECT_EQ(state.spo2Analysis.parameters().minimumDuration, 11);
}
