#include "SleepPeriods.h"

#include <filesystem>

#include "CIniDocument.h"

namespace SleepPeriods {
namespace {

const char* const kAwakeKey = "Awake Time";
const char* const kAsleepKey = "Asleep Time";

// The store creates a missing file; a record that is gone must stay gone.
bool IsExistingFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

bool IsValidSlot(int slot) {
    return slot >= 0 && slot < kSlotCount;
}

std::string SlotText(int slot) {
    if (!IsValidSlot(slot)) return {};
    return std::to_string(slot / 2) + (slot % 2 ? ":30" : ":00");
}

bool Read(const std::string& recordPath, const std::string& testSection, Slots& slots) {
    slots = Slots{};
    if (!IsExistingFile(recordPath)) return false;
    const CIniDocument doc(recordPath);
    if (!doc.isReadable()) return false;
    slots.awake = doc.GetInt(testSection, kAwakeKey, kDefaultAwakeSlot);
    slots.asleep = doc.GetInt(testSection, kAsleepKey, kDefaultAsleepSlot);
    return true;
}

bool Write(const std::string& recordPath, const Slots& slots, TestRecord& test) {
    if (!IsValidSlot(slots.awake) || !IsValidSlot(slots.asleep)) return false;
    if (test.section.empty() || !IsExistingFile(recordPath)) return false;
    CIniDocument doc(recordPath);
    if (!doc.isReadable()) return false;
    if (!doc.WriteInt(test.section, kAsleepKey, slots.asleep)) return false;
    if (!doc.WriteInt(test.section, kAwakeKey, slots.awake)) return false;
    if (!doc.Save()) return false;
    test.asleepStartMinute = slots.asleep * 30;
    test.awakeStartMinute = slots.awake * 30;
    return true;
}

} // namespace SleepPeriods
