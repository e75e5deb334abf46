// Opening a record loads and analyses its SpO2 series along with the test.
#include <gtest/gtest.h>

#include "AppState.h"
#include "TempDir.h"

namespace {

const std::string kSamples = ABPM_SAMPLES_DIR;

} // namespace

// The next record replaces every result, also when it has no series, but not the parameters.
TEST(Spo2OnOpen, EachRecordIsAnalysedAfreshWithTheParametersKept) {
    AppState state;
    state.spo2Analysis.setSpo2Parameters(4, 11);
    Spo2ReadResult result = Spo2ReadResult::Damaged;
    ASSERT_TRUE(state.openRecord(kSamples + "/spo2-night.awp", BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::Loaded);
    // Eight hours, and the two-minute sensor gap of the sample.
    EXPECT_EQ(state.spo2Analysis.seriesLength(), 8 * 3600);
    EXPECT_EQ(state.spo2Analysis.zeroSeconds(), 120);
    EXPECT_EQ(state.spo2Analysis.minimumSpo2(), 80); // the deepest dip: 96 - 16
    EXPECT_GT(state.spo2Analysis.eventCount(), 0);

    ASSERT_TRUE(state.openRecord(kSamples + "/24h-normal-dip.awp", BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::NoData);
    EXPECT_EQ(state.spo2.length(), 0u);
    EXPECT_EQ(state.spo2Analysis.seriesLength(), 0);
    EXPECT_EQ(state.spo2Analysis.eventCount(), 0);
    EXPECT_EQ(state.spo2Analysis.parameters().minimumDuration, 11);
}

TEST(Spo2OnOpen, DamagedSeriesIsReportedButTheTestStillLoads) {
    TempDir dir;
    const std::string path = dir.file("d.awp");
    // Two records in the pack but a count of 3.
    WriteFileBytes(path, "[PATIENT DATA]\r\nTest Count=1\r\n[TEST 1]\r\nCount=1\r\n"
                         "1=00007D50485F0001000000000\r\n[SPO2 DATA]\r\n"
                         "DataCount=3\r\nDATA PACK=603C000000015F3D0000000200000002\r\n");
    AppState state;
    Spo2ReadResult result = Spo2ReadResult::Loaded;
    ASSERT_TRUE(state.openRecord(path, BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::Damaged);
    EXPECT_EQ(state.record.test.readingCount, 1);
    EXPECT_EQ(state.spo2Analysis.seriesLength(), 0);
}
