#pragma once

#include <QProcess>
#include <string>
#include <vector>

// tools/recorder-sim started for one test: the terminal path is read from its first line.
class SimulatedRecorder {
  public:
    explicit SimulatedRecorder(const std::vector<std::string>& options);
    ~SimulatedRecorder() {
        m_process.kill();
        m_process.waitForFinished();
    }

    const std::string& port() const { return m_port; }
    // The next event line ("download ...", "upload ...", "plan written ..."), or "" at the limit.
    std::string nextEvent(int timeoutMs = 20000);

  private:
    QProcess m_process;
    std::string m_port;
};

QStringList Arguments(const std::vector<std::string>& args);
// The blank-separated words of text.
std::vector<std::string> Words(const std::string& text);

// One reading line of a readings file and the reading text the download must write for it,
// worked out from the rules: S above 270 counts as 0, S > M > D or all three are 0, the time
// offset "%06d" split 2 + 4 around the pressures.
struct SimReading {
    int s, d, pulse, m, minutesFromStart, error;
    std::string fileLine(int startMinuteOfDay) const;
    std::string expectedText() const;
};

// A varied memory of count readings, 7 minutes apart from 2010-03-15 08:00 (so a long memory
// runs into the next day), with valid, implausible and faulty readings mixed.
std::vector<SimReading> VariedMemory(int count, int seed);
std::string ReadingsFile(const std::vector<std::vector<SimReading>>& memories);
