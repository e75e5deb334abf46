#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "PortProbe.h"

// What abpm-cli download and upload share: option reading, exit statuses and the
// Retry/Cancel question asked on a terminal or answered by --retries.
namespace DeviceCli {

enum ExitStatus {
    kOk = 0,
    kBadInput = 2,
    kNoRecorder = 3,
    kEmptyMemory = 4,
    kWriteFailed = 5,
    kLinkFailed = 6, // acknowledgement lost, or the recorder stopped sending
    kDamaged = 7,    // the download was read out of step: saved files hold damaged readings
};

// Options of the form "--name VALUE" or "--name=VALUE". Reading one removes it from the list,
// so whatever is left at the end was not understood.
class Options {
  public:
    explicit Options(QStringList args) : m_args(std::move(args)) {}
    // Empty optional when absent; error() is set when the value is missing.
    std::optional<QString> take(const QString& name);
    bool takeFlag(const QString& name);
    // Empty when everything was understood, otherwise the message to print.
    QString leftover() const;
    const QString& error() const { return m_error; }

  private:
    QStringList m_args;
    QString m_error;
};

// What went wrong on a port, naming it ("no such port: /dev/ttyUSB0").
std::string PortFaultText(const PortFault& fault);
// The reason no recorder was reached on the one port given: its fault, else no answer.
std::string NoRecorderText(const std::string& port, const std::vector<PortFault>& faults);

// Answers "no recorder answered: retry?". On a terminal without --retries it asks the user;
// otherwise it says yes as many times as --retries allows.
class RetryPolicy {
  public:
    RetryPolicy(std::optional<int> retries, const char* command);
    // why: the sentence saying what happened, without the program name.
    bool retry(const std::string& why);

  private:
    std::optional<int> m_left;
    bool m_ask = false;
    const char* m_command;
};

// A path given on the command line, as the bytes the file system wants.
std::string FileName(const QString& path);
int Fail(const char* command, const QString& message, int status = kBadInput);
// True on a terminal: progress is then redrawn in place.
bool IsTerminal(int fd);

} // namespace DeviceCli
