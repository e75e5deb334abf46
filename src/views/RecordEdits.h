#pragma once

#include <memory>
#include <string>

class CIniDocument;
class QWidget;

// Edits of the open record file made from the view and its dialogs.
namespace RecordEdits {

// A store on the record file, or nothing when the file is gone or cannot be read whole: the
// store would otherwise create an empty file in its place or overwrite a file it never read.
std::unique_ptr<CIniDocument> OpenRecord(const std::string& path);

// Sets the exclusion mark of reading number (1-based) in its line: "1" excluded, "0"
// included. A missing line reads as empty and is written back empty.
void SetExclusionMark(CIniDocument& doc, const std::string& section, int number, bool excluded);

// Tells the user that the record file could not be written and names it.
void ReportWriteFailure(QWidget* parent, const std::string& path);

} // namespace RecordEdits
