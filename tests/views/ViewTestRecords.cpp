#include "ViewTestRecords.h"

#include <QApplication>
#include <QMessageBox>

#include "CIniDocument.h"
#include "ReadingText.h"

namespace {

// The 25-character line of a reading.
std::string ReadingLine(const SampleReading& r) {
    ReadingText::Fields f;
    f.systolic = r.systolic;
    f.diastolic = r.diastolic;
    f.pulseRate = r.heartRate;
    f.meanPressure = r.meanPressure;
    f.minutesFromStart = r.minutes;
    f.errorCode = r.errorCode;
    std::string line = ReadingText::WithExclusion(ReadingText::Encode(f), r.excluded);
    if (r.marked) line[ReadingText::kMarkerPos] = '1';
    return line;
}

} // namespace

std::string RecordText(const std::vector<SampleTest>& tests, const std::string& patientKeys) {
    std::string s =
        "[PATIENT DATA]\r\nName=Lin\r\nID=P-7\r\nTest Count=" + std::to_string(tests.size()) +
        "\r\n" + patientKeys;
    for (std::size_t t = 0; t < tests.size(); ++t) {
        const SampleTest& test = tests[t];
        s += "[TEST " + std::to_string(t + 1) + "]\r\n";
        s += "HourBegin=" + std::to_string(test.hourBegin) + "\r\n";
        s += "MinBegin=" + std::to_string(test.minBegin) + "\r\n";
        s += "DayBegin=" + std::to_string(test.day) + "\r\n";
        s += "MonthBegin=" + std::to_string(test.month) + "\r\n";
        s += "YearBegin=" + std::to_string(test.year) + "\r\n";
        s += "TestBeginDate=" + std::to_string(test.day) + "/" + std::to_string(test.month) + "/" +
             std::to_string(test.year) + "\r\n";
        if (test.awakeSlot >= 0) s += "Awake Time=" + std::to_string(test.awakeSlot) + "\r\n";
        if (test.asleepSlot >= 0) s += "Asleep Time=" + std::to_string(test.asleepSlot) + "\r\n";
        s += "Count=" + std::to_string(test.readings.size()) + "\r\n";
        for (std::size_t i = 0; i < test.readings.size(); ++i) {
            const SampleReading& r = test.readings[i];
            s += std::to_string(i + 1) + "=" + ReadingLine(r) + "\r\n";
            if (!r.comment.empty()) s += "C" + std::to_string(i + 1) + "=" + r.comment + "\r\n";
        }
        s += test.extraKeys;
    }
    return s;
}

std::string StoredValue(const std::string& path, const std::string& section,
                        const std::string& key) {
    const CIniDocument doc(path);
    return doc.GetString(section, key, "<missing>");
}

MessageBoxCatcher::MessageBoxCatcher() {
    // Polls the event loop of whatever modal box runs; no time passes between checks.
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box && box->isVisible()) {
                m_texts.push_back(box->text());
                box->done(QMessageBox::Ok);
            }
        }
    });
    m_timer.start(0);
}
