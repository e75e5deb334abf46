#include "TestObservers.h"

#include <cstdio>
#include <filesystem>
#include <utility>

bool DownloadTold::retryAfterNoDevice(const std::vector<PortFault>& faults) {
    messages.push_back("no device, " + std::to_string(faults.size()) + " fault(s)");
    return retriesLeft-- > 0;
}

void DownloadTold::noData() {
    messages.push_back("no data");
}

void DownloadTold::userHasNoData(int user) {
    messages.push_back("user " + std::to_string(user) + " empty");
}

void DownloadTold::unknownUserByte(int user, std::uint8_t b) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", b);
    messages.push_back("unknown " + std::to_string(user) + " " + hex);
}

void DownloadTold::fileSaved(const SavedMemory& m) {
    messages.push_back("saved " + std::filesystem::path(m.path).filename().string() + " d" +
                       std::to_string(m.damaged) + " i" + std::to_string(m.incomplete));
}

void DownloadTold::nothingIntact(int user, int n) {
    messages.push_back("nothing " + std::to_string(user) + "/" + std::to_string(n));
}

std::string DownloadTold::folderAfterFailedSave(const std::string& path, int user) {
    messages.push_back("failed " + path + " user " + std::to_string(user));
    if (otherFolders.empty()) return {};
    const std::string next = otherFolders.front();
    otherFolders.erase(otherFolders.begin());
    return next;
}

bool DownloadTold::discardUnsaved(int user, int n) {
    messages.push_back("discard " + std::to_string(user) + " " + std::to_string(n));
    return !std::exchange(keepReadings, false);
}

void DownloadTold::linkLost(const LinkLoss& loss) {
    std::string text =
        "lost " + std::to_string(loss.user) + " " +
        (loss.expected < 0 ? std::string("header")
                           : std::to_string(loss.received) + "/" + std::to_string(loss.expected));
    for (std::size_t i = 0; i < loss.notDownloaded.size(); ++i)
        text += (i ? "," : " not ") + std::to_string(loss.notDownloaded[i]);
    messages.push_back(text);
}

void DownloadTold::outOfStep() {
    messages.push_back("out of step");
}
