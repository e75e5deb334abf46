#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "KeyIndex.h"

// Section/key/value text store behind every file the program keeps.
//
// The file is held as 8-bit text, split at its section headers: a header is "[" + name + "]"
// at the start of the text or right after a line feed, so a value that merely contains one
// never starts a section. One load reads the file once and notes where each section starts;
// the keys of a section are noted the first time the section is asked for, and every edit
// keeps those positions current, so lookups never scan the file again.
//
// The store is meant to live for a few calls: construct on a file, read and write some keys,
// let it go. Destruction saves the text when it changed (or when the file does not exist yet).
// Saving writes a temporary copy beside the target and renames it over the target, so a crash
// at any moment leaves either the old file or the new one whole, and a new file appears only
// complete.
class CIniDocument {
  public:
    // Larger files are refused unread: they are no record of this program, and reading one
    // would hold the program for minutes.
    static constexpr std::uintmax_t kMaxFileBytes = 64ull * 1024 * 1024;

    // createNew = 1: start from an empty text and replace whatever the file held at the save.
    explicit CIniDocument(std::string fileName, int createNew = 0);
    virtual ~CIniDocument();

    CIniDocument(const CIniDocument&) = delete;
    CIniDocument& operator=(const CIniDocument&) = delete;

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultText) const;
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    // GetInt held to low ... high: a value outside reads as the default, as a missing key does,
    // so a damaged number never reaches the caller's arithmetic.
    int GetIntInRange(const std::string& section, const std::string& key, int low, int high,
                      int defaultValue) const;
    // True when the text holds a header for the section.
    bool HasSection(const std::string& section) const;

    // 1 when the text was changed, 0 when nothing was done. Refused: a section, key or value
    // holding CR or LF (it would break the line structure), a NUL byte (the text would end
    // there at the next load) and a key starting with "[" (its line would read as a header).
    int WriteString(const std::string& section, const std::string& key, const std::string& value);
    int WriteInt(const std::string& section, const std::string& key, int value);

    void DeleteSection(const std::string& section);

    // Writes the text now if it needs writing. True when the file on disk holds the text
    // (also when nothing needed writing); false when the write failed, the old file is then
    // left as it was. A file without write permission is refused; a symbolic link is followed
    // and its target replaced. Destruction calls this and swallows the result.
    bool Save();

    bool isOpen() const { return m_isOpen; }
    // True when the file could be read whole (or does not exist yet, or is being created).
    bool isReadable() const { return m_readable; }
    // True when the file was refused for being larger than kMaxFileBytes.
    bool isTooLarge() const { return m_tooLarge; }
    // The whole text as it would be saved.
    std::string text() const;
    const std::string& fileName() const { return m_fileName; }

    // The C library's atoi rules (blanks, sign, digits up to the first non-digit), saturating
    // at the 32-bit limits instead of overflowing.
    static int AtoI(const std::string& text);

    // Temporary copies of a target are named after it: its file name, ".saving-", the id of
    // the saving process, "-" and six random characters.
    static std::string TemporaryPrefix(const std::string& targetFileName);

  private:
    // A section from the "[" of its header up to the next header (or the end of the text), or
    // the text before the first header.
    struct Chunk {
        std::string text;
        std::size_t nameEnd = 0; // position of the first "]" of the header line; 0 for none
        // The key lines, built at the first lookup in the section.
        mutable KeyIndex keys;
        mutable bool keysIndexed = false;
    };
    struct KeySpan {
        const Chunk* chunk = nullptr;
        std::size_t bodyBegin = 0;              // just after the header text
        std::size_t keyPos = std::string::npos; // the CR LF before the key
        std::size_t valueBegin = std::string::npos;
        std::size_t valueEnd = std::string::npos; // position of the CR LF after the value
    };

    void Load();
    void SplitIntoChunks(const std::string& text);
    void IndexSections();
    static void IndexKeys(const Chunk& chunk);
    static bool IsHeaderOf(const Chunk& chunk, const std::string& section);
    const Chunk* FindSection(const std::string& section) const;
    std::size_t FindSectionIndex(const std::string& section) const;
    KeySpan FindKey(const std::string& section, const std::string& key) const;
    void AppendSection(const std::string& section, const std::string& line);
    void InsertKey(Chunk& chunk, std::size_t bodyBegin, const std::string& key,
                   const std::string& line);
    bool WriteAtomically();

    std::string m_fileName;
    std::vector<Chunk> m_chunks;
    // Name up to the first "]" of each header -> first chunk with that name.
    std::unordered_map<std::string, std::size_t> m_sections;
    bool m_isOpen = false;
    bool m_readable = false;
    bool m_tooLarge = false;
    bool m_dirty = false;
};
