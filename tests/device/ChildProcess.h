#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A program started by a test, with its standard output and error read through pipes. Every
// wait has a limit; a process still running when the object goes is terminated.
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of standard output, without its line end; empty optional at the limit or
    // at the end of the output.
    std::optional<std::string> readLine(int timeoutMs);
    // Waits for the exit, collecting the output meanwhile. The exit status, or -1 at the limit.
    int wait(int timeoutMs);
    // Output collected so far (readLine takes lines out of it).
    const std::string& out() const { return m_out; }
    const std::string& err() const { return m_err; }

  private:
    bool pump(int timeoutMs);

    pid_t m_pid = -1;
    int m_outFd = -1;
    int m_errFd = -1;
    std::string m_out;
    std::string m_err;
    int m_status = -1;
};
