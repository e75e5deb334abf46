#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <stdexcept>
#include <string>

// The blank-separated words of text.
inline QStringList Words(const std::string& text) {
    return QString::fromStdString(text).split(' ', Qt::SkipEmptyParts);
}

// tools/recorder-sim started for one test with the options as words: the terminal path is read
// from its first line.
class SimulatedRecorder {
  public:
    explicit SimulatedRecorder(const std::string& options) {
        m_process.start(RECORDER_SIM, Words(options + " --exit-after 120"));
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
