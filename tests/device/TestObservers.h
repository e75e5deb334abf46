#pragma once

#include <filesystem>
#include <string>
#include <utility>
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
    static std::string N(int n) { return std::to_string(n); }
    void say(const std::string& text) { messages.push_back(text); }
    void progress(int total, int done) override { progressCalls.emplace_back(total, done); }
    bool retryAfterNoDevice(const std::vector<PortFault>& faults) override {
        say("no device, " + N(static_cast<int>(faults.size())) + " fault(s)");
        return retriesLeft-- > 0;
    }
    void noData() override { say("no data"); }
    void userHasNoData(int user) override { say("user " + N(user) + " empty"); }
    void unknownUserByte(int user, std::uint8_t b) override {
        say("unknown " + N(user) + " " + "0123456789ABCDEF"[b >> 4] + "0123456789ABCDEF"[b & 15]);
    }
    void fileSaved(const SavedMemory& m) override {
        say("saved " + std::filesystem::path(m.path).filename().string() + " d" + N(m.damaged) +
            " i" + N(m.incomplete));
    }
    void nothingIntact(int user, int n) override { say("nothing " + N(user) + "/" + N(n)); }
    std::string folderAfterFailedSave(const std::string& path, int user) override {
        say("failed " + path + " user " + N(user));
        if (otherFolders.empty()) return {};
        return std::exchange(otherFolders, {otherFolders.begin() + 1, otherFolders.end()})[0];
    }
    bool discardUnsaved(int user, int n) override {
        say("discard " + N(user) + " " + N(n));
        return !std::exchange(keepReadings, false);
    }
    // "lost U R/N" or "lost U header", then " not U,U" for the memories not downloaded
    void linkLost(const LinkLoss& loss) override {
        std::string text =
            "lost " + N(loss.user) + " " +
            (loss.expected < 0 ? "header" : N(loss.received) + "/" + N(loss.expected));
        for (std::size_t i = 0; i < loss.notDownloaded.size(); ++i)
            text += (i ? "," : " not ") + N(loss.notDownloaded[i]);
        say(text);
    }
    void outOfStep() override { say("out of step"); }
};

struct UploadTold : UploadObserver {
    std::vector<int> acknowledged;
    int questions = 0, retriesLeft = 0;
    void progress(int, int done) override { acknowledged.push_back(done); }
    bool retryAfterNoDevice(const std::vector<PortFault>&) override {
        return ++questions, retriesLeft-- > 0;
    }
};
