#pragma once

#include <string>
#include <vector>

#include "DownloadObserver.h"
#include "UploadObserver.h"

// Remembers what a download told the user, one line each, in order, and answers from queues.
struct DownloadTold : DownloadObserver {
    std::vector<std::string> messages;
    std::vector<std::pair<int, int>> progressCalls;
    int retriesLeft = 0;
    std::vector<std::string> otherFolders; // answers to failed saves, in order
    bool keepReadings = true;              // the first answer to the discard question

    void progress(int total, int done) override { progressCalls.emplace_back(total, done); }
    // "no device, N fault(s)"
    bool retryAfterNoDevice(const std::vector<PortFault>& faults) override;
    void noData() override;                                  // "no data"
    void userHasNoData(int user) override;                   // "user U empty"
    void unknownUserByte(int user, std::uint8_t b) override; // "unknown U XX"
    void fileSaved(const SavedMemory& m) override;           // "saved NAME dD iI"
    void nothingIntact(int user, int n) override;            // "nothing U/N"
    std::string folderAfterFailedSave(const std::string& path, int user) override;
    bool discardUnsaved(int user, int n) override; // "discard U N"
    // "lost U R/N" or "lost U header", then " not U,U" for the memories not downloaded
    void linkLost(const LinkLoss& loss) override;
    void outOfStep() override; // "out of step"
};

struct UploadTold : UploadObserver {
    std::vector<int> acknowledged;
    int questions = 0;
    int retriesLeft = 0;
    void progress(int, int done) override { acknowledged.push_back(done); }
    bool retryAfterNoDevice(const std::vector<PortFault>&) override {
        ++questions;
        return retriesLeft-- > 0;
    }
};
