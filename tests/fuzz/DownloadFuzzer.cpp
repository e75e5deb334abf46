// The recorder download fed from a scripted channel: the first input byte picks the memory
// (1, 2, 3 or all), the port echoes the command and then sends the rest of the input as the
// recorder's stream; the stream ends in read time-outs. Beyond memory errors and undefined
// behaviour it checks what the download promises: progress never runs past its total, and
// every record file it reports saved opens with the readings it reported, within the span a
// block may cover.

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "DownloadSession.h"
#include "FuzzScratch.h"
#include "RecordFile.h"
#include "ScriptedChannel.h"

namespace {

struct FuzzObserver : DownloadObserver {
    std::vector<SavedMemory> saved;

    void progress(int total, int done) override {
        FUZZ_CHECK(total >= 1 && total <= 255 && done >= 1 && done <= total);
    }
    bool retryAfterNoDevice(const std::vector<PortFault>&) override { return false; }
    void noData() override {}
    void userHasNoData(int user) override { FUZZ_CHECK(user >= 1 && user <= 3); }
    void unknownUserByte(int, std::uint8_t) override {}
    void fileSaved(const SavedMemory& memory) override { saved.push_back(memory); }
    void nothingIntact(int, int) override {}
    std::string folderAfterFailedSave(const std::string&, int) override { return {}; }
    bool discardUnsaved(int, int) override { return true; }
    void linkLost(const LinkLoss&) override {}
    void outOfStep() override {}
};

void CheckSavedFile(const SavedMemory& memory) {
    static PatientRecord record;
    ClearRecord(record);
    RecordFile::LoadTest(memory.path, BpThresholds{}, record);
    const TestRecord& test = record.test;
    FUZZ_CHECK(test.section == "TEST 1");
    FUZZ_CHECK(test.readingCount == memory.readings);
    FUZZ_CHECK(memory.damaged + memory.incomplete <= memory.readings);
    for (int i = 0; i < test.readingCount; ++i) {
        const BpReading& r = test.readings[static_cast<std::size_t>(i)];
        FUZZ_CHECK(r.minutesFromStart >= 0 &&
                   r.minutesFromStart <= DownloadedBlock::kMaxSpanMinutes);
        FUZZ_CHECK(r.included == 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // File names and reading times come from local time: one zone for every run.
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int selection = 1 + data[0] % 4;
    const std::vector<std::uint8_t> stream(data + 1, data + size);

    ScriptedChannel channel;
    channel.addPort("/dev/ttyFUZZ",
                    [&stream](std::uint8_t byte, const std::vector<std::uint8_t>& written) {
                        std::vector<ScriptedChannel::Answer> answer;
                        if (!written.empty()) return answer; // only the command is answered
                        answer.push_back({byte, 0});
                        for (std::uint8_t b : stream)
                            answer.push_back({b, 0});
                        return answer;
                    });
    FuzzObserver observer;
    // 15 March 2010, 12:30 UTC
    const DeviceTiming timing{[] { return std::time_t{1268656200}; }, [](int) {}};
    DownloadSession session(
        channel, [] { return std::vector<std::string>{"/dev/ttyFUZZ"}; }, observer, timing);
    session.run(selection, FuzzScratch::Folder());

    FUZZ_CHECK(!channel.isOpen());
    FUZZ_CHECK(observer.saved.size() == session.savedFiles().size());
    FUZZ_CHECK(observer.saved.size() <=
               static_cast<std::size_t>(DownloadSession::BlockCount(selection)));
    for (const SavedMemory& memory : observer.saved)
        CheckSavedFile(memory);
    FuzzScratch::Empty();
    return 0;
}
