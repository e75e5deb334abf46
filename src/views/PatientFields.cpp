#include "PatientFields.h"

#include <algorithm>

#include "CIniDocument.h"
#include "GbkText.h"

namespace PatientFields {
namespace {

std::string OneLine(const QString& value) {
    QString text = value;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return ToGbk(text);
}

} // namespace

QString ReadText(const CIniDocument& doc, const std::string& section, const std::string& key) {
    return FromGbk(doc.GetString(section, key, ""));
}

void WriteText(CIniDocument& doc, const std::string& section, const std::string& key,
               const QString& value) {
    doc.WriteString(section, key, OneLine(value));
}

QStringList ReadLines(const CIniDocument& doc, const std::string& section,
                      const std::string& countKey, const std::string& linePrefix) {
    QStringList lines;
    // A damaged count must not make the sheet read for minutes.
    const int count = std::min(doc.GetInt(section, countKey, 0), kMaxLines);
    for (int i = 1; i <= count; ++i)
        lines.append(FromGbk(doc.GetString(section, linePrefix + std::to_string(i), "")));
    return lines;
}

void WriteLines(CIniDocument& doc, const std::string& section, const std::string& countKey,
                const std::string& linePrefix, const QStringList& lines) {
    doc.WriteInt(section, countKey, static_cast<int>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        WriteText(doc, section, linePrefix + std::to_string(i + 1), lines[i]);
}

} // namespace PatientFields
