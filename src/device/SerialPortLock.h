#pragma once

#include <string>

// The lock file QSerialPort takes for a port on Unix: "LCK.." and the device name under
// /dev (slashes as "_") in the first lock folder Qt finds usable, /var/lock on Debian (which
// is /run/lock). A program killed between creating the file and writing its process number
// into it leaves an empty lock behind, and Qt honours such a file for half a minute; one
// naming a process that has ended is left over as well.
namespace SerialPortLock {

// Empty when the platform keeps no lock files.
std::string FilePath(const std::string& devicePath);

struct Owner {
    bool locked = false; // a lock file exists
    bool stale = false;  // it names no running process, or none at all and is not new
    long pid = 0;        // the process it names, 0 when none
    std::string program; // that process's name, when it runs
};

// An empty or unreadable lock counts as stale once it is older than this: a live program
// writes its number into it at once.
constexpr int kEmptyLockGraceSeconds = 3;

Owner Inspect(const std::string& devicePath);
// Removes the port's lock file when it is stale. True when one was removed.
bool RemoveStale(const std::string& devicePath);

} // namespace SerialPortLock
