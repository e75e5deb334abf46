// The SpO2 series of a record file of arbitrary bytes, read as opening a record does and
// analysed with the default parameters and with parameters taken from the input's last bytes
// (the dialog accepts any signed number), then turned into the texts of the SpO2 tables.
// Beyond memory errors and undefined behaviour it checks that a series that loads keeps to
// its value ranges and that no event reaches past the series.

#include <cstdint>

#include "CIniDocument.h"
#include "FuzzScratch.h"
#include "Spo2Analysis.h"
#include "Spo2Series.h"
#include "Spo2Summary.h"

namespace {

void CheckSeries(Spo2ReadResult result, const Spo2Series& series) {
    if (result != Spo2ReadResult::Loaded) {
        FUZZ_CHECK(series.length() == 0);
        return;
    }
    FUZZ_CHECK(series.length() <= kMaxSpo2Seconds);
    FUZZ_CHECK(series.pulse.size() == series.spo2.size());
    for (std::uint8_t v : series.spo2)
        FUZZ_CHECK(v <= 100);
}

void Analyse(Spo2Analysis& analysis, const Spo2Series& series) {
    analysis.analyse(series);
    for (const auto* events : {&analysis.desaturationEvents(), &analysis.pulseEvents()}) {
        for (const auto& [start, event] : *events) {
            FUZZ_CHECK(start >= 0 && event.duration >= 0);
            FUZZ_CHECK(static_cast<std::size_t>(start) + event.duration < series.length());
        }
    }
    Spo2Summary::Figures(analysis);
    Spo2Summary::LevelTable(analysis);
    series.startText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzScratch::WriteFile("spo2.awp", data, size);
    Spo2Series series;
    {
        const CIniDocument doc(path);
        CheckSeries(ReadSpo2Series(doc, series), series);
    }
    Spo2Analysis analysis;
    Analyse(analysis, series);

    if (size >= 5) {
        const auto signedByte = [&](std::size_t back) {
            return static_cast<int>(static_cast<std::int8_t>(data[size - back]));
        };
        analysis.setSpo2Parameters(signedByte(1), signedByte(2));
        analysis.setPulseParameters(signedByte(3), signedByte(4));
        analysis.setCriticalLevel(signedByte(5));
        Analyse(analysis, series);
    }
    return 0;
}
