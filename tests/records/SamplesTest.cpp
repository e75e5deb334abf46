#include <gtest/gtest.h>

#include "AppState.h"
#include "CIniDocument.h"

namespace {

const std::string kSamples = ABPM_SAMPLES_DIR;

int CountExcluded(const TestRecord& t) {
    int n = 0;
    for (int i = 0; i < t.readingCount; ++i)
        n += t.readings[std::size_t(i)].included ? 0 : 1;
    return n;
}

} // namespace

// The shipped samples are what people first see: they must load as the recordings they claim
// to be.
TEST(Samples, DayRecordingLoadsWithItsFailuresExclusionAndComment) {
    AppState state;
    ASSERT_TRUE(state.openRecord(kSamples + "/24h-normal-dip.awp", BpThresholds{}));
    const TestRecord& t = state.record.test;
    EXPECT_EQ(t.section, "TEST 1");
    EXPECT_GE(t.readingCount, 60);
    EXPECT_LE(t.readingCount, 80);
    EXPECT_EQ(CountExcluded(t), 1);
    int failed = 0, commented = 0;
    for (int i = 0; i < t.readingCount; ++i) {
        const BpReading& r = t.readings[std::size_t(i)];
        if (r.systolic == 0) {
            ++failed;
            EXPECT_NE(r.errorCode, 0);
        }
        if (!r.comment.empty()) ++commented;
    }
    EXPECT_EQ(failed, 3);
    EXPECT_EQ(commented, 1);
    // The last reading lies about a day after the first.
    const int last = t.readings[std::size_t(t.readingCount - 1)].minutesFromStart;
    EXPECT_GE(last, 23 * 60);
    EXPECT_LE(last, 24 * 60);
    EXPECT_EQ(state.record.patientName, "\xD5\xC5\xCE\xB0"); // 张伟 in GBK
    EXPECT_EQ(state.spo2.length(), 0u);
}

TEST(Samples, TwoDayRecordingOpensOnItsSecondTest) {
    AppState state;
    ASSERT_TRUE(state.openRecord(kSamples + "/48h-two-tests.awp", BpThresholds{}));
    const TestRecord& t = state.record.test;
    EXPECT_EQ(t.section, "TEST 2");
    const int last = t.readings[std::size_t(t.readingCount - 1)].minutesFromStart;
    // Crosses two midnights.
    EXPECT_GE(t.startMinuteOfDay + last, 2 * 1440);
    EXPECT_EQ(t.dayBegin, 14);
}

TEST(Samples, SpO2RecordingCarriesAnEightHourSeries) {
    AppState state;
    ASSERT_TRUE(state.openRecord(kSamples + "/spo2-night.awp", BpThresholds{}));
    EXPECT_EQ(state.spo2.length(), 8u * 3600u);
    int gap = 0, low = 0;
    for (std::size_t i = 0; i < state.spo2.length(); ++i) {
        gap += state.spo2.spo2[i] == 0;
        low += state.spo2.spo2[i] != 0 && state.spo2.spo2[i] < 90;
    }
    EXPECT_EQ(gap, 120);
    EXPECT_GT(low, 0);
}
