#include <gtest/gtest.h>

#include "AppState.h"

// The shipped samples are what people first see: they must load as the recordings they claim
// to be. (The SpO2 sample is checked with the analysis.)
TEST(Samples, RecordingsLoadWithTheirFailuresExclusionCommentAndSecondTest) {
    AppState state;
    ASSERT_TRUE(state.openRecord(ABPM_SAMPLES_DIR "/24h-normal-dip.awp", BpThresholds{}));
    const TestRecord& t = state.record.test;
    int failed = 0, commented = 0, excluded = 0;
    for (int i = 0; i < t.readingCount; ++i) {
        const BpReading& r = t.readings[std::size_t(i)];
        failed += r.systolic == 0 && r.errorCode != 0;
        commented += !r.comment.empty();
        excluded += !r.included;
    }
    EXPECT_EQ(std::vector({failed, commented, excluded}), std::vector({3, 1, 1}));
    EXPECT_GE(t.readingCount, 60);
    // The last reading lies about a day after the first.
    EXPECT_NEAR(t.readings[std::size_t(t.readingCount - 1)].minutesFromStart, 23.5 * 60, 30);
    EXPECT_EQ(state.record.patientName, "\xD5\xC5\xCE\xB0"); // 张伟 in GBK

    ASSERT_TRUE(state.openRecord(ABPM_SAMPLES_DIR "/48h-two-tests.awp", BpThresholds{}));
    EXPECT_EQ(t.section, "TEST 2");
    EXPECT_EQ(t.dayBegin, 14);
    // Crosses two midnights.
    EXPECT_GE(t.startMinuteOfDay + t.readings[std::size_t(t.readingCount - 1)].minutesFromStart,
              2 * 1440);
}
