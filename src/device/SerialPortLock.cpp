#include "SerialPortLock.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QLockFile>
#include <QString>

#if defined(__unix__)
#include <csignal>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace SerialPortLock {

#if defined(__unix__)

namespace {

// The folders Qt tries, in its order; the first readable one that holds the file or can be
// written to is where the lock lives.
const char* const kLockFolders[] = {"/var/lock",         "/etc/locks", "/var/spool/locks",
                                    "/var/spool/uucp",   "/tmp",       "/var/tmp",
                                    "/var/lock/lockdev", "/run/lock"};

std::string LockName(const std::string& devicePath) {
    std::string name = devicePath.rfind("/dev/", 0) == 0 ? devicePath.substr(5) : devicePath;
    for (char& c : name)
        if (c == '/') c = '_';
    return "LCK.." + name;
}

bool Running(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string ProgramOf(long pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// Qt writes the number on the first line; UUCP-style locks of other programs hold it as
// ten right-aligned digits. Both read the same way.
long PidIn(const std::string& lockPath) {
    std::ifstream in(lockPath);
    long pid = 0;
    if (!(in >> pid) || pid <= 0) return 0;
    return pid;
}

bool OlderThan(const std::string& path, int seconds) {
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return false;
    return fs::file_time_type::clock::now() - written > std::chrono::seconds(seconds);
}

} // namespace

std::string FilePath(const std::string& devicePath) {
    const std::string name = LockName(devicePath);
    for (const char* folder : kLockFolders) {
        const std::string path = std::string(folder) + "/" + name;
        if (::access(folder, R_OK) != 0) continue;
        std::error_code ec;
        if (fs::exists(path, ec) || ::access(folder, W_OK) == 0) return path;
    }
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/" + name;
}

Owner Inspect(const std::string& devicePath) {
    Owner owner;
    const std::string path = FilePath(devicePath);
    std::error_code ec;
    if (path.empty() || !fs::exists(path, ec)) return owner;
    owner.locked = true;
    owner.pid = PidIn(path);
    if (owner.pid == 0) {
        owner.stale = OlderThan(path, kEmptyLockGraceSeconds);
    } else if (Running(owner.pid)) {
        owner.program = ProgramOf(owner.pid);
    } else {
        owner.stale = true;
    }
    return owner;
}

bool RemoveStale(const std::string& devicePath) {
    if (!Inspect(devicePath).stale) return false;
    // Qt's own stale-lock removal takes this guard too, so two programs never remove a lock
    // that one of them has just taken.
    const std::string path = FilePath(devicePath);
    QLockFile guard(QString::fromStdString(path + ".rmlock"));
    if (!guard.tryLock(0) || !Inspect(devicePath).stale) return false;
    std::error_code ec;
    return fs::remove(path, ec);
}

#else

std::string FilePath(const std::string&) {
    return {};
}
Owner Inspect(const std::string&) {
    return {};
}
bool RemoveStale(const std::string&) {
    return false;
}

#endif

} // namespace SerialPortLock
