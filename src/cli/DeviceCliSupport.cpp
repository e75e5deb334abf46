#include "DeviceCliSupport.h"

#include <QFile>
#include <cstdio>
#include <unistd.h>

namespace DeviceCli {

std::optional<QString> Options::take(const QString& name) {
    for (qsizetype i = 0; i < m_args.size(); ++i) {
        const QString& arg = m_args[i];
        if (arg == name) {
            if (i + 1 >= m_args.size()) {
                m_error = name + " needs a value";
                m_args.removeAt(i);
                return std::nullopt;
            }
            const QString value = m_args[i + 1];
            m_args.remove(i, 2);
            return value;
        }
        if (arg.startsWith(name + "=")) {
            const QString value = arg.mid(name.size() + 1);
            m_args.removeAt(i);
            return value;
        }
    }
    return std::nullopt;
}

bool Options::takeFlag(const QString& name) {
    return m_args.removeAll(name) > 0;
}

QString Options::leftover() const {
    if (!m_error.isEmpty()) return m_error;
    if (m_args.isEmpty()) return {};
    return (m_args.first().startsWith("--") ? "unknown option " : "unexpected argument ") +
           m_args.first();
}

RetryPolicy::RetryPolicy(std::optional<int> retries, const char* command)
    : m_left(retries), m_ask(!retries && IsTerminal(0) && IsTerminal(2)), m_command(command) {}

std::string PortFaultText(const PortFault& f) {
    switch (f.kind) {
    case PortFault::Missing:
        return "no such port: " + f.port;
    case PortFault::InUse:
        return f.port + " is in use by another program" +
               (f.holder.empty() ? std::string() : " (" + f.holder + ")");
    case PortFault::NoAccess:
        return "no permission to use " + f.port;
    case PortFault::WrongAnswer: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", f.answer);
        return "the device on " + f.port + " did not echo the command (it sent " + hex + ")";
    }
    }
    return f.port;
}

std::string NoRecorderText(const std::string& port, const std::vector<PortFault>& faults) {
    if (faults.empty()) return "no recorder answered on " + port;
    std::string text;
    for (const PortFault& f : faults)
        text += (text.empty() ? "" : "; ") + PortFaultText(f);
    return text;
}

bool RetryPolicy::retry(const std::string& why) {
    if (m_ask) {
        std::fprintf(stderr,
                     "abpm-cli %s: %s. Check the connection; retry? [r]etry/[c]ancel: ", m_command,
                     why.c_str());
        std::fflush(stderr);
        char line[64] = {};
        if (!std::fgets(line, sizeof line, stdin)) return false;
        return line[0] == 'r' || line[0] == 'R' || line[0] == 'y' || line[0] == 'Y';
    }
    if (!m_left || *m_left <= 0) return false;
    --*m_left;
    std::fprintf(stderr, "abpm-cli %s: %s, retrying\n", m_command, why.c_str());
    return true;
}

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

int Fail(const char* command, const QString& message, int status) {
    std::fprintf(stderr, "abpm-cli %s: %s\n", command, message.toLocal8Bit().constData());
    return status;
}

bool IsTerminal(int fd) {
    return ::isatty(fd) == 1;
}

} // namespace DeviceCli
