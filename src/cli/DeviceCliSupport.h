#pragma once

#include <QStringList>
#include <optional>
#include <string>

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

// Answers "no recorder answered: retry?". On a terminal without --retries it asks the user;
// otherwise it says yes as many times as --retries allows.
class RetryPolicy {
  public:
    RetryPolicy(std::optional<int> retries, const char* command);
    bool retry();

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
