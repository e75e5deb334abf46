// A patient record file of arbitrary bytes, loaded as opening a record does and analysed as
// the views and reports do: classification, the summary engine, the per-set statistics of the
// charts, the regression and the sleep periods. Beyond memory errors and undefined behaviour
// it checks that the loaded test keeps to its ranges and that every included reading lands in
// exactly one period.

#include <cstdint>

#include "BpStatistics.h"
#include "FuzzScratch.h"
#include "ReadingSetStats.h"
#include "ReadingSets.h"
#include "RecordFile.h"
#include "Regression.h"
#include "SleepPeriods.h"

namespace {

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

void CheckLoaded(const TestRecord& test) {
    FUZZ_CHECK(Within(test.readingCount, 0, kMaxReadings));
    FUZZ_CHECK(Within(test.hourBegin, 0, 23));
    FUZZ_CHECK(Within(test.minBegin, 0, 59));
    FUZZ_CHECK(test.startMinuteOfDay == test.hourBegin * 60 + test.minBegin);
    FUZZ_CHECK(test.monthBegin == 0 || Within(test.monthBegin, 1, 12));
    FUZZ_CHECK(test.dayBegin == 0 || Within(test.dayBegin, 1, 31));
    FUZZ_CHECK(Within(test.yearBegin, 0, 9999));
    FUZZ_CHECK(Within(test.awakeStartMinute, 0, 1410) && test.awakeStartMinute % 30 == 0);
    FUZZ_CHECK(Within(test.asleepStartMinute, 0, 1410) && test.asleepStartMinute % 30 == 0);
    FUZZ_CHECK(test.beginDateText.size() <= kMaxDateTextBytes);
    for (int i = 0; i < test.readingCount; ++i)
        FUZZ_CHECK(test.readings[static_cast<std::size_t>(i)].comment.size() <= kMaxCommentBytes);
}

void ChartStatistics(const ReadingSet& set, const TestRecord& test) {
    using Q = ReadingSetStats::Quantity;
    ReadingSetStats stats;
    stats.attach(set, test);
    stats.compute();
    for (Q q : {Q::Systolic, Q::Diastolic, Q::HeartRate}) {
        stats.mean(q);
        stats.standardDeviation(q);
        stats.computeLoadFractions(q, 140, 90);
        stats.computeHistogram(q, 60, 260, 10);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzScratch::WriteFile("record.awp", data, size);

    // Large: one per process, cleared before every load as the program does.
    static PatientRecord record;
    static ReadingSets sets;
    ClearRecord(record);
    RecordFile::LoadTest(path, BpThresholds{}, record);
    CheckLoaded(record.test);

    ClassifyReadings(record.test, sets);
    FUZZ_CHECK(sets.awake.size() + sets.asleep.size() == sets.included.size());
    BpStatistics statistics;
    ComputeStatistics(record, sets, statistics);
    for (const ReadingSet* set : {&sets.included, &sets.awake, &sets.asleep})
        ChartStatistics(*set, record.test);

    const Regression regression = ComputeRegression(sets);
    CorrelationText(regression);
    YOnXText(regression);
    XOnYText(regression);
    CentreText(regression);

    SleepPeriods::Slots slots;
    SleepPeriods::Read(path, record.test.section, slots);
    return 0;
}
