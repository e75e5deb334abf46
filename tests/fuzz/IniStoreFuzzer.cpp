// The record store on arbitrary bytes: the front of the input is the file, a few bytes from
// its end choose reads, writes and deletions of sections and keys. Beyond memory errors and
// undefined behaviour it checks the store's own rules: a write that reports success reads
// back, a refused write changes nothing, numbers follow atoi with saturation, the file holds
// the text after a save, and a fresh load of that file answers every read as the edited store
// did.

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

#include "CIniDocument.h"
#include "FuzzScratch.h"

namespace {

// Names the program uses, and names at the edges of the text rules.
const std::vector<std::string> kNames = {
    "PATIENT DATA", "TEST 1", "SPO2 DATA", "Count", "Name", "1", "C1", "Awake Time", "A",
    "a]b",          "x=y",    "[z",        " A",    "A ",   "",  "]",  "=",          "\xb2\xe2"};
const std::vector<std::string> kValues = {"",    "0",     "-1",  "2147483648", " +12x",
                                          "[S]", "v=w",   "a\r", "b\nc",       "\xb2\xe2",
                                          "]",   "\r\n[", " ",   "999999",     "-2147483649"};
const std::vector<int> kNumbers = {0, -1, 14, 47, 48, 1024, 1025, 35791395, INT32_MAX, INT32_MIN};

constexpr std::size_t kMaxHarvested = 24;

struct Names {
    std::vector<std::string> sections;
    std::vector<std::string> keys;
};

// Section names and keys as the first lines of the text suggest them.
Names Harvest(const std::string& text) {
    Names names;
    std::size_t begin = 0;
    for (std::size_t n = 0; n < kMaxHarvested && begin < text.size(); ++n) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[')
            names.sections.push_back(line.substr(1, line.find(']') - 1));
        else
            names.keys.push_back(line.substr(0, line.find('=')));
        begin = end + 1;
    }
    return names;
}

// atoi with the result held to the 32-bit range.
int SaturatedAtoi(const std::string& text) {
    const long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int>(v);
}

const char* const kMissing = "\x01missing";

struct Op {
    std::uint8_t kind, section, key, value;
};

// A text up to its first NUL: what a load keeps of a file.
std::string UpToNul(const std::string& s) {
    return s.substr(0, s.find('\0'));
}

void CheckRead(const CIniDocument& doc, const std::string& section, const std::string& key) {
    const std::string value = doc.GetString(section, key, kMissing);
    const int number = doc.GetInt(section, key, -7);
    if (value == kMissing)
        FUZZ_CHECK(number == -7);
    else
        FUZZ_CHECK(number == SaturatedAtoi(UpToNul(value)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<Op> ops(input.ConsumeIntegralInRange<std::size_t>(0, 16));
    for (Op& op : ops)
        op = {input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
              input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>()};
    const std::string file = input.ConsumeRemainingBytesAsString();
    const std::string path = FuzzScratch::WriteFile(
        "store.ini", reinterpret_cast<const std::uint8_t*>(file.data()), file.size());

    CIniDocument doc(path);
    FUZZ_CHECK(doc.isReadable());
    FUZZ_CHECK(doc.text() == UpToNul(file)); // the text model loses and adds nothing

    std::vector<std::string> names = kNames;
    const Names inInput = Harvest(doc.text());
    names.insert(names.end(), inInput.sections.begin(), inInput.sections.end());
    names.insert(names.end(), inInput.keys.begin(), inInput.keys.end());
    const auto name = [&](std::uint8_t i) -> const std::string& { return names[i % names.size()]; };
    // Every name an operation used, checked again after the reload.
    Names used;
    const auto value = [&](std::uint8_t i) -> std::string {
        if (i < 128) return kValues[i % kValues.size()];
        // A piece of the text itself, line breaks and all.
        const std::string text = doc.text();
        if (text.empty()) return {};
        const std::size_t from = (i * 37u) % text.size();
        return text.substr(from, i % 40u);
    };

    for (const Op& op : ops) {
        const std::string& section = name(op.section);
        const std::string& key = name(op.key);
        used.sections.push_back(section);
        used.keys.push_back(key);
        switch (op.kind % 5) {
        case 0:
            CheckRead(doc, section, key);
            break;
        case 1:
        case 2: {
            const bool asNumber = op.kind % 5 == 2;
            const std::string v =
                asNumber ? std::to_string(kNumbers[op.value % kNumbers.size()]) : value(op.value);
            const std::string before = doc.text();
            const int written =
                asNumber ? doc.WriteInt(section, key, kNumbers[op.value % kNumbers.size()])
                         : doc.WriteString(section, key, v);
            if (written == 1)
                FUZZ_CHECK(doc.GetString(section, key, kMissing) == v);
            else
                FUZZ_CHECK(doc.text() == before);
            break;
        }
        case 3:
            doc.DeleteSection(section);
            break;
        case 4:
            doc.HasSection(section);
            break;
        }
    }

    FUZZ_CHECK(doc.Save());
    // An unchanged text is not written back: bytes after a NUL stay, and are not read.
    FUZZ_CHECK(UpToNul(FuzzScratch::ReadFile(path)) == doc.text());
    Names edited = Harvest(doc.text());
    edited.sections.insert(edited.sections.end(), used.sections.begin(), used.sections.end());
    edited.keys.insert(edited.keys.end(), used.keys.begin(), used.keys.end());
    const CIniDocument reloaded(path);
    for (const std::string& section : edited.sections) {
        FUZZ_CHECK(reloaded.HasSection(section) == doc.HasSection(section));
        for (const std::string& key : edited.keys) {
            FUZZ_CHECK(reloaded.GetString(section, key, kMissing) ==
                       doc.GetString(section, key, kMissing));
        }
    }
    return 0;
}
