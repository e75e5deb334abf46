#include "KeyIndex.h"

#include <functional>

namespace {

std::size_t HashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

} // namespace

void KeyIndex::clear() {
    m_slots.clear();
    m_used = 0;
}

// The slot holding the key, or the empty slot where it would go. The table is never full.
std::size_t KeyIndex::slotOf(const std::string& text, std::string_view key,
                             std::size_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.pos == npos) return i;
        if (slot.hash == hash && slot.length == key.size() &&
            text.compare(slot.pos + 2, key.size(), key.data(), key.size()) == 0)
            return i;
    }
}

std::size_t KeyIndex::find(const std::string& text, std::string_view key) const {
    if (m_used == 0) return npos;
    return m_slots[slotOf(text, key, HashOf(key))].pos;
}

void KeyIndex::grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.pos == npos) continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].pos != npos)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

void KeyIndex::add(const std::string& text, std::size_t pos, std::size_t length, bool replace) {
    if ((m_used + 1) * 2 > m_slots.size()) grow();
    const std::string_view key(text.data() + pos + 2, length);
    const std::size_t hash = HashOf(key);
    Slot& slot = m_slots[slotOf(text, key, hash)];
    if (slot.pos != npos) {
        if (replace) slot.pos = pos;
        return;
    }
    slot = {pos, hash, static_cast<std::uint32_t>(length)};
    ++m_used;
}

void KeyIndex::shift(std::size_t from, std::ptrdiff_t delta) {
    if (delta == 0) return;
    for (Slot& slot : m_slots)
        if (slot.pos != npos && slot.pos >= from)
            slot.pos = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(slot.pos) + delta);
}
