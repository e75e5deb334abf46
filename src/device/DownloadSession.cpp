#include "DownloadSession.h"

#include "PortProbe.h"

#include <exception>
#include <filesystem>
#include <stdexcept>

namespace {
constexpr int kRetryPauseMs = 1000;
}

DownloadSession::DownloadSession(ByteChannel& channel, CandidateSource candidates,
                                 DownloadObserver& observer, DeviceTiming timing)
    : m_channel(channel), m_candidates(std::move(candidates)), m_observer(observer),
      m_timing(std::move(timing)) {}

std::uint8_t DownloadSession::CommandByte(int selection) {
    if (selection < 1 || selection > 4) throw std::invalid_argument("download selection 1..4");
    return static_cast<std::uint8_t>(0x10 + selection);
}

int DownloadSession::BlockCount(int selection) {
    return CommandByte(selection) == 0x14 ? 3 : 1;
}

DownloadOutcome DownloadSession::run(int selection, const std::string& folder) {
    m_command = CommandByte(selection);
    m_blocksExpected = BlockCount(selection);
    m_folder = folder;
    m_blockIndex = m_user = m_count = 0;
    m_saved.clear();
    m_port.clear();
    m_cancelled = m_linkLost = m_saveFailed = false;

    State state = State::Probing;
    while (state != State::Finished)
        state = step(state);
    m_channel.close();
    return finalOutcome();
}

DownloadSession::State DownloadSession::step(State state) {
    switch (state) {
    case State::Probing:
        return probe();
    case State::AskingRetry:
        return askRetry();
    case State::ReadingBlockHeader:
        return readBlockHeader();
    case State::ReadingRecords:
        return readRecords();
    case State::Saving:
        return save();
    case State::Finished:
        break;
    }
    return State::Finished;
}

DownloadSession::State DownloadSession::probe() {
    const auto port =
        FindRecorderPort(m_channel, m_candidates, LineSettings::Download(), m_command);
    if (!port) return State::AskingRetry;
    m_port = *port;
    return State::ReadingBlockHeader;
}

DownloadSession::State DownloadSession::askRetry() {
    if (!m_observer.retryAfterNoDevice()) {
        m_cancelled = true;
        return State::Finished;
    }
    m_timing.wait(kRetryPauseMs);
    return State::Probing;
}

int DownloadSession::readByte(std::uint8_t& byte) {
    byte = 0;
    return m_channel.read(&byte, 1) == 1 ? 1 : 0;
}

DownloadSession::State DownloadSession::readBlockHeader() {
    std::uint8_t userByte = 0, countByte = 0;
    readByte(userByte);
    readByte(countByte);
    if (userByte >= 0x11 && userByte <= 0x13) m_user = userByte - 0x10;
    m_count = countByte;
    if (m_count > 0) return State::ReadingRecords;
    if (m_blocksExpected == 1) {
        m_channel.close();
        m_observer.noData();
        return State::Finished;
    }
    m_observer.userHasNoData(m_user);
    return nextBlock();
}

DeviceRecord DownloadSession::readRecord() {
    DeviceRecord::Bytes bytes{};
    std::size_t received = 0;
    for (std::uint8_t& b : bytes)
        received += readByte(b);
    return DeviceRecord(bytes, received);
}

DownloadSession::State DownloadSession::readRecords() {
    for (int i = 1; i <= m_count; ++i) {
        DeviceRecord record = readRecord();
        if (record.received() == 0) {
            // Not one byte of this record came: the recorder is gone. Waiting 1.8 s for each
            // of the remaining records would only freeze the download.
            m_linkLost = true;
            break;
        }
        if (i == 1) m_block = DownloadedBlock(m_user, m_count, m_timing.now());
        m_block.add(record);
        m_observer.progress(m_count, i);
    }
    return State::Saving;
}

DownloadSession::State DownloadSession::save() {
    const int received = static_cast<int>(m_block.records().size());
    if (received > 0) {
        std::string path = saveBlock();
        if (path.empty())
            m_saveFailed = true;
        else
            m_observer.fileSaved(path, m_block.incompleteCount());
    }
    if (m_linkLost) {
        m_channel.close();
        m_observer.linkLost(m_user, received, m_count);
        return State::Finished;
    }
    return nextBlock();
}

std::string DownloadSession::saveBlock() {
    std::string folder = m_folder;
    for (;;) {
        const std::string path = (std::filesystem::path(folder) / m_block.fileName()).string();
        if (m_block.writeTo(path)) {
            m_saved.push_back(path);
            return path;
        }
        folder = m_observer.folderAfterFailedSave(path);
        if (folder.empty()) return {};
    }
}

DownloadSession::State DownloadSession::nextBlock() {
    m_block = DownloadedBlock();
    ++m_blockIndex;
    return m_blockIndex < m_blocksExpected ? State::ReadingBlockHeader : State::Finished;
}

DownloadOutcome DownloadSession::finalOutcome() const {
    if (m_cancelled) return DownloadOutcome::NoDevice;
    if (m_linkLost) return DownloadOutcome::LinkLost;
    if (m_saveFailed) return DownloadOutcome::SaveFailed;
    if (m_saved.empty()) return DownloadOutcome::NoData;
    return DownloadOutcome::Completed;
}
