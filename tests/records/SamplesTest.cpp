#include <gtest/gtest.h>

#include "AppState.h"

namespace {

const std::string kSamples = ABPM_SAMPLES_DIR;

} // namespace

// The shipped samples are what people first see: they must load as the recordings they claim
// to be. (The SpO2 sample is checked with the analysis.)
TEST(Samples, DayRecordingLoadsWithItsFailuresExclusionAndComment) {
    AppState state;
    ASSERT_TRUE(state.openRecord(kSamples + "/24h-normal-dip.awp", BpThresholds{}));
    const TestRecord& t = state.record.test;
    EXPECT_EQ(t.section, "TEST 1");
    EXPECT_GE(t.readingCount, 60);
    EXPECT_LE(t.readingCount, 80);
    int failed = 0, commented = 0, excluded = 0;
    for (int i = 0; i < t.readingCount; ++i) {
        const BpReading& r = t.readings[std::size_t(i)];
        if (r.systolic == 0) {
            ++failed;
            EXPECT_NE(r.errorCode, 0);
        }
        commented += !r.comment.empty();
        excluded += !r.included;
    }
    EXPECT_EQ(failed, 3);
    EXPECT_EQ(commented, 1);
    EXPECT_EQ(excluded, 1);
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
    EXPECT_EQ(t.dayBegin, 14);
    // Crosses two midnights.
    EXPECT_GE(t.startMinuteOfDay + t.readings[std::size_t(t.readingCount - 1)].minutesFromStart,
              2 * 1440);
}
