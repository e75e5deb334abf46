#pragma once

#include <QString>
#include <optional>
#include <string>

#include "ClinicalSummary.h"

class CIniDocument;

// Files named on the command line.
namespace CliFiles {

// The path in the file system's encoding.
std::string FileName(const QString& path);
bool Exists(const std::string& path);
bool IsRegularFile(const std::string& path);
// Empty when path is a patient record file (it names its last test in "Test Count" and holds
// that test's section); otherwise the message to print. Nothing is created.
std::string CheckRecord(const std::string& path);

// The guideline of the configuration file's current configuration. A name the program does not
// know is not guessed at: the default is used and the command says so on standard error.
ClinicalGuideline ConfigGuideline(const CIniDocument& config, const char* command);
// The guideline named by --guideline: "esh2023" or "accaha2017".
std::optional<ClinicalGuideline> GuidelineOption(const QString& value);

} // namespace CliFiles
