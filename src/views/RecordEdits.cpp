#include "RecordEdits.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <filesystem>

#include "CIniDocument.h"
#include "ReadingText.h"

namespace RecordEdits {

std::unique_ptr<CIniDocument> OpenRecord(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return nullptr;
    auto doc = std::make_unique<CIniDocument>(path);
    if (!doc->isReadable()) return nullptr;
    return doc;
}

void SetExclusionMark(CIniDocument& doc, const std::string& section, int number, bool excluded) {
    const std::string key = std::to_string(number);
    std::string line = doc.GetString(section, key, "");
    if (!line.empty()) line = ReadingText::WithExclusion(line, excluded);
    doc.WriteString(section, key, line);
}

void ReportWriteFailure(QWidget* parent, const std::string& path) {
    const QString file = QString::fromLocal8Bit(path.c_str());
    QMessageBox::warning(
        parent, QCoreApplication::translate("RecordEdits", "病历文件"),
        QCoreApplication::translate("RecordEdits", "无法写入病历文件 %1，修改没有保存。")
            .arg(file));
}

} // namespace RecordEdits
