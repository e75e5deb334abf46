#include "ChildProcess.h"

#include <chrono>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) throw std::runtime_error("pipe failed");
    m_pid = ::fork();
    if (m_pid < 0) throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::close(out[0]);
        ::close(err[0]);
        ::close(out[1]);
        ::close(err[1]);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    m_outFd = out[0];
    m_errFd = err[0];
}

ChildProcess::~ChildProcess() {
    if (m_status < 0 && m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        if (wait(3000) < 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    if (m_outFd >= 0) ::close(m_outFd);
    if (m_errFd >= 0) ::close(m_errFd);
}

// Reads what is there within the limit. False when both pipes are at their end.
bool ChildProcess::pump(int timeoutMs) {
    pollfd fds[2] = {{m_outFd, POLLIN, 0}, {m_errFd, POLLIN, 0}};
    if (m_outFd < 0 && m_errFd < 0) return false;
    if (::poll(fds, 2, timeoutMs) <= 0) return true;
    char buffer[4096];
    int* fdOf[2] = {&m_outFd, &m_errFd};
    std::string* textOf[2] = {&m_out, &m_err};
    for (int i = 0; i < 2; ++i) {
        if (*fdOf[i] < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
        const ssize_t n = ::read(*fdOf[i], buffer, sizeof buffer);
        if (n > 0)
            textOf[i]->append(buffer, static_cast<std::size_t>(n));
        else {
            ::close(*fdOf[i]);
            *fdOf[i] = -1;
        }
    }
    return true;
}

std::optional<std::string> ChildProcess::readLine(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto end = m_out.find('\n');
        if (end != std::string::npos) {
            std::string line = m_out.substr(0, end);
            m_out.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || m_outFd < 0) return std::nullopt;
        pump(static_cast<int>(left.count()));
    }
}

int ChildProcess::wait(int timeoutMs) {
    if (m_status >= 0) return m_status;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            while (pump(50) && (m_outFd >= 0 || m_errFd >= 0)) {
            }
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return m_status;
        }
        if (std::chrono::steady_clock::now() >= deadline) return -1;
        pump(20);
    }
}
