#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PortProbe.h"

// A memory written to a record file.
struct SavedMemory {
    std::string path;
    int user = 0;
    int readings = 0;   // readings in the file
    int damaged = 0;    // arrived whole but read out of step (impossible time); stored as failed
    int incomplete = 0; // some bytes never arrived; stored as failed
};

// The recorder fell silent in the middle of the download.
struct LinkLoss {
    int user = 0;                   // the memory being read
    int expected = -1;              // its count of readings; -1 when its header never came
    int received = 0;               // its readings that arrived whole
    std::vector<int> notDownloaded; // memories of this download of which nothing was read
};

// What a download tells its front end (window or command line) and asks of it. Every call
// comes from the thread that runs the download and waits for the answer where there is one.
class DownloadObserver {
  public:
    virtual ~DownloadObserver() = default;

    // total readings of the current memory, readings received so far.
    virtual void progress(int total, int done) = 0;
    // No port answered the command: true to probe again, false to give up. faults: the
    // candidates that were missing, held by another program or answered wrongly.
    virtual bool retryAfterNoDevice(const std::vector<PortFault>& faults) = 0;
    // A one-memory download found the memory empty; the port is closed.
    virtual void noData() = 0;
    // An all-memories download found this user's memory empty and goes on.
    virtual void userHasNoData(int user) = 0;
    // The header of a memory carried no user number: the transfer is out of step. user is the
    // memory expected at this point; reading goes on.
    virtual void unknownUserByte(int user, std::uint8_t byte) = 0;
    // The record file is on disk.
    virtual void fileSaved(const SavedMemory& memory) = 0;
    // Not one of the memory's readings arrived intact; no file was written for it.
    virtual void nothingIntact(int user, int readings) = 0;
    // The record file could not be written. Returns another folder to try, or "" for none.
    virtual std::string folderAfterFailedSave(const std::string& path, int user) = 0;
    // No folder was given: true to give up the memory's readings, false to be asked again.
    virtual bool discardUnsaved(int user, int readings) = 0;
    // The recorder stopped sending; what was saved stays, the download ends.
    virtual void linkLost(const LinkLoss& loss) = 0;
    // Bytes kept coming after the last memory: the transfer was read out of step.
    virtual void outOfStep() = 0;
};
