#include "RecordListing.h"

#include <algorithm>
#include <filesystem>

#include "CIniDocument.h"
#include "RecordFile.h"

namespace fs = std::filesystem;

RecordListRow ReadRecordRow(const std::string& path, const std::string& missingText) {
    RecordListRow row;
    row.path = path;
    row.fileName = fs::path(path).filename().string();
    const CIniDocument doc(path);
    row.name = doc.GetString(RecordFile::kPatientSection, "Name", missingText);
    row.id = doc.GetString(RecordFile::kPatientSection, "ID", missingText);
    const std::string test =
        "TEST " + doc.GetString(RecordFile::kPatientSection, "Test Count", missingText);
    row.beginDate = doc.GetString(test, "TestBeginDate", "no String");
    return row;
}

std::vector<RecordListRow> ListRecordFiles(const std::string& folder,
                                           const std::string& missingText) {
    std::vector<std::string> paths;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != ".awp") continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        paths.push_back(p.string());
    }
    std::sort(paths.begin(), paths.end());
    if (paths.size() > kMaxListedRecords) paths.resize(kMaxListedRecords);
    std::vector<RecordListRow> rows;
    rows.reserve(paths.size());
    for (const std::string& p : paths)
        rows.push_back(ReadRecordRow(p, missingText));
    return rows;
}
