#pragma once

#include <QString>
#include <string>

// Files named on the command line.
namespace CliFiles {

// The path in the file system's encoding.
std::string FileName(const QString& path);
bool Exists(const std::string& path);
bool IsRegularFile(const std::string& path);
// Empty when path is a patient record file (it names its last test in "Test Count" and holds
// that test's section); otherwise the message to print. Nothing is created.
std::string CheckRecord(const std::string& path);

} // namespace CliFiles
