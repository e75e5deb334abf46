#pragma once

#include <string>

// Section/key/value text store behind every file the program keeps.
//
// The whole file is held as one 8-bit text; lookups are plain substring searches on it.
// The store is meant to live for a few calls: construct on a file, read and write some keys,
// let it go. Destruction saves the text when it changed (or when the store created the file).
// Saving writes a temporary file beside the target and renames it over the old one, so a
// failed save never leaves a half-written record behind.
class CIniDocument {
  public:
    explicit CIniDocument(std::string fileName, int createNew = 0);
    virtual ~CIniDocument();

    CIniDocument(const CIniDocument&) = delete;
    CIniDocument& operator=(const CIniDocument&) = delete;

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultText) const;
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;

    // 1 when the text was changed, 0 when nothing was done. A section, key or value holding
    // CR or LF is refused: it would break the line structure of the file.
    int WriteString(const std::string& section, const std::string& key, const std::string& value);
    int WriteInt(const std::string& section, const std::string& key, int value);

    void DeleteSection(const std::string& section);

    // Writes the text now if it needs writing. True when the file on disk holds the text
    // (also when nothing needed writing); false when the write failed, the old file is then
    // left as it was. Destruction calls this and swallows the result.
    bool Save();

    bool isOpen() const { return m_isOpen; }
    // True when the file could be read whole (or was created empty by this store).
    bool isReadable() const { return m_readable; }
    bool lastSaveFailed() const { return m_saveFailed; }
    const std::string& text() const { return m_text; }
    const std::string& fileName() const { return m_fileName; }

    // The C library's atoi rules (blanks, sign, digits up to the first non-digit), saturating
    // at the 32-bit limits instead of overflowing.
    static int AtoI(const std::string& text);

  private:
    struct KeySpan {
        std::size_t valueBegin = std::string::npos;
        std::size_t valueEnd = std::string::npos; // position of the CR LF after the value
        bool sectionFound = false;
        std::size_t bodyBegin = std::string::npos; // just after the header text
        bool keyFound = false;                     // key line present, with or without CR LF
    };
    KeySpan FindKey(const std::string& section, const std::string& key) const;
    void Load();
    bool WriteAtomically();

    std::string m_fileName;
    std::string m_text;
    bool m_isOpen = false;
    bool m_readable = false;
    bool m_created = false;
    bool m_dirty = false;
    bool m_saveFailed = false;
};
