#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

inline QStringList Arguments(const std::vector<std::string>& args) {
    QStringList out;
    for (const std::string& a : args)
        out << QString::fromStdString(a);
    return out;
}

// The blank-separated words of text.
inline std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// tools/recorder-sim started for one test: the terminal path is read from its first line.
class SimulatedRecorder {
  public:
    explicit SimulatedRecorder(const std::vector<std::string>& options) {
        m_process.start(RECORDER_SIM, Arguments(options) << "--exit-after"
                                                         << "120");
        m_port = nextEvent(10000);
        if (m_port.rfind("/dev/", 0) != 0) throw std::runtime_error("recorder-sim: no port");
    }
    ~SimulatedRecorder() { m_process.kill(), m_process.waitForFinished(); }

    const std::string& port() const { return m_port; }
    // The next event line ("download ...", "upload ...", "plan written ..."), or "" at the limit.
    std::string nextEvent(int timeoutMs = 20000) {
        const QDeadlineTimer deadline(timeoutMs);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(deadline.remainingTime())) {
        }
        return m_process.canReadLine() ? m_process.readLine().trimmed().toStdString() : "";
    }

  private:
    QProcess m_process;
    std::string m_port;
};
