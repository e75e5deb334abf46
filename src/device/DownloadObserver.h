#pragma once

#include <string>

// What a download tells its front end (window or command line) and asks of it. Every call
// comes from the thread that runs the download and waits for the answer where there is one.
class DownloadObserver {
  public:
    virtual ~DownloadObserver() = default;

    // total readings of the current memory, readings received so far.
    virtual void progress(int total, int done) = 0;
    // No port answered the command: true to probe again, false to give up.
    virtual bool retryAfterNoDevice() = 0;
    // A one-memory download found the memory empty; the port is closed.
    virtual void noData() = 0;
    // An all-memories download found this user's memory empty and goes on.
    virtual void userHasNoData(int user) = 0;
    // The record file is on disk. incomplete: readings stored as failed because bytes of
    // them never arrived.
    virtual void fileSaved(const std::string& path, int incomplete) = 0;
    // The record file could not be written. Returns another folder to try, or "" to give up
    // (the readings of this memory are then lost).
    virtual std::string folderAfterFailedSave(const std::string& path) = 0;
    // The recorder went silent in the middle of a memory: received of expected readings
    // arrived; the download stops.
    virtual void linkLost(int user, int received, int expected) = 0;
};
