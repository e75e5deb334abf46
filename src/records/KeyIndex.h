#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where the key lines of one section of a CIniDocument start: an open-addressing table of
// positions into the section's text, compared against that text. Indexing a section thus
// costs no memory allocation per key, which keeps loading a record of hundreds of thousands
// of lines fast.
//
// A key line starts with the CR LF before it; its key is the text up to the line's first "=".
class KeyIndex {
  public:
    static constexpr std::size_t npos = std::string::npos;

    void clear();
    bool empty() const { return m_used == 0; }
    // Position of the CR LF before the line of `key`, npos when no line has that key.
    std::size_t find(const std::string& text, std::string_view key) const;
    // Notes a line whose key is text[pos + 2, pos + 2 + length); a key already noted keeps
    // its first line unless `replace` is set.
    void add(const std::string& text, std::size_t pos, std::size_t length, bool replace = false);
    // Moves the lines at or after `from` by delta characters.
    void shift(std::size_t from, std::ptrdiff_t delta);

  private:
    struct Slot {
        std::size_t pos = npos;
        std::size_t hash = 0;
        std::uint32_t length = 0;
    };
    std::size_t slotOf(const std::string& text, std::string_view key, std::size_t hash) const;
    void grow();

    std::vector<Slot> m_slots;
    std::size_t m_used = 0;
};
