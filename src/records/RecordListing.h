#pragma once

#include <string>
#include <vector>

// The patient record files of one folder as the record dialogs list them.
struct RecordListRow {
    std::string path;      // full path
    std::string fileName;  // name with extension
    std::string name;      // "Name" of the patient, or the missing-key text
    std::string id;        // "ID", or the missing-key text
    std::string beginDate; // "TestBeginDate" of the last test, or "no String"
};

constexpr std::size_t kMaxListedRecords = 500;

// Lists the regular files ending in ".awp" (at most kMaxListedRecords), sorted by file name so
// the list is the same on every system. missingText is what a missing name or ID shows:
// "no string" in the open and copy dialogs, "Null" in the delete dialog. Nothing is written.
std::vector<RecordListRow> ListRecordFiles(const std::string& folder,
                                           const std::string& missingText);

// Reads the row texts of one file without writing it.
RecordListRow ReadRecordRow(const std::string& path, const std::string& missingText);
