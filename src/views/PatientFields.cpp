#include "PatientFields.h"

#include <QLineEdit>
#include <QVariant>
#include <algorithm>

#include "CIniDocument.h"
#include "GbkText.h"
#include "MultiLineField.h"

namespace PatientFields {
namespace {

// The bytes a single-line field was filled from.
constexpr const char* kStoredBytes = "storedBytes";

std::string OneLine(const QString& value) {
    QString text = value;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return ToGbk(text);
}

} // namespace

void Show(QLineEdit* field, const CIniDocument& doc, const std::string& section,
          const std::string& key) {
    const std::string bytes = doc.GetString(section, key, "");
    const QString text = FromGbk(bytes);
    field->setMaxLength(std::max(field->maxLength(), static_cast<int>(text.size())));
    field->setText(text);
    field->setProperty(kStoredBytes, QByteArray::fromStdString(bytes));
}

void Store(const QLineEdit* field, CIniDocument& doc, const std::string& section,
           const std::string& key) {
    const std::string bytes = field->property(kStoredBytes).toByteArray().toStdString();
    const bool asShown = field->property(kStoredBytes).isValid() && field->text() == FromGbk(bytes);
    doc.WriteString(section, key, asShown ? bytes : OneLine(field->text()));
}

void ShowLines(MultiLineField* field, const CIniDocument& doc, const std::string& section,
               const std::string& countKey, const std::string& linePrefix) {
    // A damaged count must not make the sheet read for minutes.
    const int count = std::min(doc.GetInt(section, countKey, 0), kMaxLines);
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(doc.GetString(section, linePrefix + std::to_string(i), ""));
    field->setStoredLines(lines);
}

void StoreLines(const MultiLineField* field, CIniDocument& doc, const std::string& section,
                const std::string& countKey, const std::string& linePrefix) {
    const std::vector<std::string> lines = field->linesToStore();
    doc.WriteInt(section, countKey, static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        doc.WriteString(section, linePrefix + std::to_string(i + 1), lines[i]);
}

} // namespace PatientFields
