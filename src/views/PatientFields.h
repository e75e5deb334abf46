#pragma once

#include <QString>
#include <QStringList>
#include <string>

class CIniDocument;

// Reading and writing the patient sheet's fields in the record file.
namespace PatientFields {

// A single-line value (empty for a missing key).
QString ReadText(const CIniDocument& doc, const std::string& section, const std::string& key);
// Line breaks become blanks: a value holding one would break the line structure of the file.
void WriteText(CIniDocument& doc, const std::string& section, const std::string& key,
               const QString& value);

constexpr int kMaxLines = 4096;

// Lines 1 ... count (at most kMaxLines) of a several-line value: countKey holds the count (default
// 0), the lines are stored under linePrefix + i.
QStringList ReadLines(const CIniDocument& doc, const std::string& section,
                      const std::string& countKey, const std::string& linePrefix);
// Writes the count and each line; keys of lines beyond a smaller count stay in the file.
void WriteLines(CIniDocument& doc, const std::string& section, const std::string& countKey,
                const std::string& linePrefix, const QStringList& lines);

} // namespace PatientFields
