#include <gtest/gtest.h>

#include "AppState.h"

// The shipped samples are what people first see: they must load as the recordings they claim
// to be. Each record opened replaces every result of the SpO2 analysis, but not its parameters.
TEST(Samples, RecordingsLoadWithTheirFailuresExclusionCommentSecondTestAndSpo2Series) {
    AppState state;
    const Spo2Analysis& a = state.spo2Analysis;
    state.spo2Analysis.setSpo2Parameters(4, 11);
    Spo2ReadResult result = Spo2ReadResult::Damaged;
    ASSERT_TRUE(state.openRecord(ABPM_SAMPLES_DIR "/spo2-night.awp", BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::Loaded);
    // Eight hours, the two-minute sensor gap and the deepest dip, 96 - 16.
    EXPECT_EQ(std::vector({a.seriesLength(), a.zeroSeconds(), a.minimumSpo2()}),
              std::vector({8 * 3600, 120, 80}));
    EXPECT_GT(a.eventCount(), 0);

    ASSERT_TRUE(state.openRecord(ABPM_SAMPLES_DIR "/24h-normal-dip.awp", BpThresholds{}, &result));
    EXPECT_EQ(result, Spo2ReadResult::NoData);
    EXPECT_EQ(a.seriesLength() + a.eventCount(), 0);
    EXPECT_EQ(a.parameters().minimumDuration, 11);
    const TestRecord& t = state.record.test;
    int failed = 0, commented = 0, excluded = 0;
    for (int i = 0; i < t.readingCount; ++i) {
        const BpReading& r = t.readings[std::size_t(i)];
        failed += r.systolic == 0 && r.errorCode != 0;
        commented += !r.comment.empty();
        excluded += !r.included;
    }
    EXPECT_EQ(std::vector({failed, commented, excluded}), std::vector({3, 1, 1}));
    // The last reading lies about a day after the first.
    EXPECT_NEAR(t.readings[std::size_t(t.readingCount - 1)].minutesFromStart, 23.5 * 60, 30);
    EXPECT_EQ(state.record.patientName, "\xD5\xC5\xCE\xB0"); // 张伟 in GBK

    ASSERT_TRUE(state.openRecord(ABPM_SAMPLES_DIR "/48h-two-tests.awp", BpThresholds{}));
    EXPECT_EQ(t.section + " on day " + std::to_string(t.dayBegin), "TEST 2 on day 14");
    EXPECT_GE(t.startMinuteOfDay + t.readings[std::size_t(t.readingCount - 1)].minutesFromStart,
              2 * 1440); // crosses two midnights
}
