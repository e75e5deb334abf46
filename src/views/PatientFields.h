#pragma once

#include <string>

class CIniDocument;
class MultiLineField;
class QLineEdit;

// Reading and writing the patient sheet's fields in the record file. What the user did not
// edit goes back byte for byte: a value is never cut to a field's limit, nor decoded and
// encoded again.
namespace PatientFields {

// Shows a single-line value (empty for a missing key); the field's limit grows to hold it.
void Show(QLineEdit* field, const CIniDocument& doc, const std::string& section,
          const std::string& key);
// Writes the field: the bytes read when the text is as shown, otherwise the text with its line
// breaks turned into blanks (a line break would break the line structure of the file).
void Store(const QLineEdit* field, CIniDocument& doc, const std::string& section,
           const std::string& key);

constexpr int kMaxLines = 4096;

// Lines 1 ... count (at most kMaxLines) of a several-line value: countKey holds the count
// (default 0), the lines are stored under linePrefix + i.
void ShowLines(MultiLineField* field, const CIniDocument& doc, const std::string& section,
               const std::string& countKey, const std::string& linePrefix);
// Writes the count and each line; keys of lines beyond a smaller count stay in the file.
void StoreLines(const MultiLineField* field, CIniDocument& doc, const std::string& section,
                const std::string& countKey, const std::string& linePrefix);

} // namespace PatientFields
