#include "ReportContext.h"

#include <algorithm>
#include <filesystem>

#include "CIniDocument.h"
#include "GbkText.h"
#include "RecordFile.h"

namespace {

// No page holds more lines than it has rows; a damaged count must not make the reading loop
// for ever.
constexpr int kMaxLines = 70;

QStringList NumberedLines(const CIniDocument& doc, const std::string& section,
                          const std::string& countKey, const std::string& key) {
    const int count = std::clamp(doc.GetInt(section, countKey, 0), 0, kMaxLines);
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << FromGbk(doc.GetString(section, key + std::to_string(n), ""));
    return lines;
}

} // namespace

ReportRecordTexts ReadReportRecordTexts(const std::string& path, const std::string& testSection) {
    ReportRecordTexts t;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return t;
    const CIniDocument doc(path);
    const std::string patient = RecordFile::kPatientSection;
    const auto text = [&](const std::string& section, const char* key) {
        return FromGbk(doc.GetString(section, key, ""));
    };
    t.name = text(patient, "Name");
    t.id = text(patient, "ID");
    t.address = NumberedLines(doc, patient, "Addr Count", "Addr");
    t.phone = text(patient, "Phone");
    t.race = text(patient, "Race");
    t.birthday = text(patient, "Birthday");
    t.gender = text(patient, "Gender");
    t.height = text(patient, "Height");
    t.weight = text(patient, "Weight");
    t.medications = NumberedLines(doc, testSection, "Medications Count", "Medications");
    t.interpretingPhysician = text(testSection, "InterprettingPhys");
    t.referringPhysician = text(testSection, "ReferringPhys");
    t.comments = NumberedLines(doc, testSection, "Comments Count", "Comments");
    t.clinicalInterpretation =
        NumberedLines(doc, testSection, "Clinical Interp Count", "Clinical Interp");
    return t;
}
