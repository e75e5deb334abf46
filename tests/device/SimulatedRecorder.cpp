#include "SimulatedRecorder.h"

#include <QDeadlineTimer>
#include <cstdio>
#include <sstream>
#include <stdexcept>

QStringList Arguments(const std::vector<std::string>& args) {
    QStringList out;
    for (const std::string& a : args)
        out << QString::fromStdString(a);
    return out;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

SimulatedRecorder::SimulatedRecorder(const std::vector<std::string>& options) {
    m_process.start(RECORDER_SIM, Arguments(options) << "--exit-after"
                                                     << "120");
    m_port = nextEvent(10000);
    if (m_port.rfind("/dev/", 0) != 0) throw std::runtime_error("recorder-sim: no port");
}

std::string SimulatedRecorder::nextEvent(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_process.canReadLine() && m_process.waitForReadyRead(deadline.remainingTime())) {
    }
    return m_process.canReadLine() ? m_process.readLine().trimmed().toStdString() : "";
}

std::string SimReading::fileLine(int startMinuteOfDay) const {
    const int t = startMinuteOfDay + minutesFromStart;
    char line[96];
    std::snprintf(line, sizeof line, "%d %d %d %d 2010-03-%02d %02d:%02d %d", s, d, pulse, m,
                  15 + t / 1440, t % 1440 / 60, t % 60, error);
    return line;
}

std::string SimReading::expectedText() const {
    const int sys = s > 270 ? 0 : s;
    const bool valid = sys > m && m > d;
    char time[8], text[32];
    std::snprintf(time, sizeof time, "%06d", minutesFromStart);
    std::snprintf(text, sizeof text, "%.2s%04X%02X%02X%02X%.4s%02X0000000", time, valid ? sys : 0,
                  valid ? d : 0, pulse, valid ? m : 0, time + 2, error);
    return text;
}

std::vector<SimReading> VariedMemory(int count, int seed) {
    std::vector<SimReading> out;
    for (int k = 0; k < count; ++k) {
        const int j = k + seed;
        SimReading r;
        r.s = 90 + (j * 13) % 200; // up to 289: some above 270
        r.d = 50 + (j * 7) % 60;
        r.m = r.d + (j * 11) % 70 - 5; // sometimes not above D, sometimes above S
        r.pulse = 40 + j % 150;
        r.minutesFromStart = 7 * k;
        r.error = j % 23 == 0 ? j % 256 : 0;
        out.push_back(r);
    }
    return out;
}

std::string ReadingsFile(const std::vector<std::vector<SimReading>>& memories) {
    std::string text = "# written by the recorder link tests\n";
    for (std::size_t u = 0; u < memories.size(); ++u) {
        text += "user " + std::to_string(u + 1) + "\n";
        for (const SimReading& r : memories[u])
            text += r.fileLine(8 * 60) + "\n";
    }
    return text;
}
