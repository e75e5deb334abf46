#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "DeviceRecord.h"

class CIniDocument;

// One user memory as downloaded, kept in memory until its record file is safely written.
class DownloadedBlock {
  public:
    DownloadedBlock() = default;
    DownloadedBlock(int user, int expected, std::time_t downloadTime);

    void add(const DeviceRecord& record) { m_records.push_back(record); }

    int user() const { return m_user; }
    int expected() const { return m_expected; }
    const std::vector<DeviceRecord>& records() const { return m_records; }
    std::time_t downloadTime() const { return m_downloadTime; }

    // Records whose 12 bytes did not all arrive; they are stored as failed readings.
    int incompleteCount() const;
    // "%02d" user, then year (two digits), month, day, hour, minute of the download, ".awp".
    std::string fileName() const;
    // The reading texts in order, with the time offsets from the block's first reading.
    std::vector<std::string> readingTexts() const;
    // Writes a new record file (replacing any file of that name only once the whole text is
    // on disk). False when the file could not be written; nothing partial is left behind.
    bool writeTo(const std::string& path) const;

  private:
    const DeviceRecord* startRecord() const;
    void writeHeader(CIniDocument& doc) const;

    int m_user = 0;
    int m_expected = 0;
    std::time_t m_downloadTime = 0;
    std::vector<DeviceRecord> m_records;
};
