#include "CliFiles.h"

#include <QFile>
#include <filesystem>

#include "CIniDocument.h"

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
    const std::string testCount = doc.GetString("PATIENT DATA", "Test Count", "no string");
    if (testCount == "no string" || !doc.HasSection("TEST " + testCount))
        return path + ": not a patient record file";
    return {};
}

} // namespace CliFiles
