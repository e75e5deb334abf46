#include "CliFiles.h"

#include <QFile>
#include <cstdio>
#include <filesystem>

#include "CIniDocument.h"
#include "ConfigStore.h"
#include "RecordFile.h"

namespace CliFiles {

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string CheckRecord(const std::string& path) {
    if (!Exists(path)) return path + ": no such file";
    if (!IsRegularFile(path)) return path + ": not a patient record file";
    const CIniDocument doc(path);
    if (doc.isTooLarge()) return path + ": larger than 64 MB, not read";
    if (!doc.isReadable()) return path + ": cannot read the file";
    const std::string testCount =
        doc.GetString(RecordFile::kPatientSection, "Test Count", RecordFile::kNoString);
    if (testCount == RecordFile::kNoString || !doc.HasSection("TEST " + testCount))
        return path + ": not a patient record file";
    return {};
}

ClinicalGuideline ConfigGuideline(const CIniDocument& config, const char* command) {
    if (const auto guideline = ConfigStore::CurrentGuidelineIn(config)) return *guideline;
    std::fprintf(stderr, "abpm-cli %s: %s: unknown \"Guideline\"; %s is used\n", command,
                 config.fileName().c_str(), GuidelineKey(kDefaultGuideline));
    return kDefaultGuideline;
}

std::optional<ClinicalGuideline> GuidelineOption(const QString& value) {
    return GuidelineOfKey(value.toUpper().toStdString());
}

} // namespace CliFiles
