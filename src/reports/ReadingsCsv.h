#pragma once

#include <QByteArray>
#include <QString>

#include "PatientRecord.h"

// The readings of a test as CSV text for other programs: UTF-8, a header line, RFC 4180
// quoting and CR LF line ends; one line per reading in file order, excluded and failed ones
// too. Values of a failed measurement are empty fields.
QByteArray ReadingsCsv(const TestRecord& test);

// Writes the CSV text of the test to path, replacing the file only once the new text is
// complete. False, with the reason in *error, when it cannot be written.
bool WriteReadingsCsv(const TestRecord& test, const QString& path, QString* error);
