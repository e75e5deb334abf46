#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "DeviceRecord.h"

class CIniDocument;

// One user memory as downloaded, kept in memory until its record file is safely written.
//
// The protocol has no checksum, so a byte lost on the line shifts every record after it. Such
// records are recognised by their time: a good record has a possible calendar time that lies
// between the block's first good record and seven days after it. Damaged and incomplete
// records are kept as failed readings at the time of the good record before them, so that the
// reading numbers stay those of the recorder and no invented time reaches the analysis.
class DownloadedBlock {
  public:
    enum class Quality {
        Good,
        Damaged,    // arrived whole, but its time is impossible: read out of step
        Incomplete, // some of its 12 bytes never arrived
    };
    static constexpr int kMaxSpanMinutes = 7 * 24 * 60;

    DownloadedBlock() = default;
    DownloadedBlock(int user, int expected, std::time_t downloadTime);

    void add(const DeviceRecord& record) { m_records.push_back(record); }

    int user() const { return m_user; }
    int expected() const { return m_expected; }
    const std::vector<DeviceRecord>& records() const { return m_records; }
    std::time_t downloadTime() const { return m_downloadTime; }

    std::vector<Quality> qualities() const;
    int count(Quality quality) const;
    // False when no record is good: there is no trustworthy start for a test.
    bool hasStart() const { return startRecord() != nullptr; }
    // "%02d" user, then year (two digits), month, day, hour, minute of the download, ".awp";
    // variant 2 and up add "-2", "-3", ... for a name that must not replace a file.
    std::string fileName(int variant = 1) const;
    // The reading texts in order, with the time offsets from the block's first good reading.
    std::vector<std::string> readingTexts() const;
    // Writes a new record file (replacing any file of that name only once the whole text is
    // on disk). False when the file could not be written, or when there is no good record;
    // nothing partial is left behind.
    bool writeTo(const std::string& path) const;

  private:
    const DeviceRecord* startRecord() const;
    void writeHeader(CIniDocument& doc) const;

    int m_user = 0;
    int m_expected = 0;
    std::time_t m_downloadTime = 0;
    std::vector<DeviceRecord> m_records;
};
