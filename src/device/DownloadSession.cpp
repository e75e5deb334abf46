#include "DownloadSession.h"

#include "PortProbe.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {
constexpr int kRetryPauseMs = 1000;

std::string Hex(std::uint8_t byte) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}
} // namespace

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
    m_selection = selection;
    m_blocksExpected = BlockCount(selection);
    m_folder = folder;
    m_blockIndex = m_user = m_count = 0;
    m_headerDamaged = m_emptyMemory = false;
    m_saved.clear();
    m_port.clear();
    m_faults.clear();
    m_block = DownloadedBlock();
    m_cancelled = m_linkLost = m_saveFailed = m_damaged = false;

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
    case State::Finishing:
        return finish();
    case State::Finished:
        break;
    }
    return State::Finished;
}

DownloadSession::State DownloadSession::probe() {
    ProbeResult found =
        FindRecorderPort(m_channel, m_candidates, LineSettings::Download(), m_command);
    m_faults = std::move(found.faults);
    if (!found.port) return State::AskingRetry;
    m_port = *found.port;
    return State::ReadingBlockHeader;
}

DownloadSession::State DownloadSession::askRetry() {
    if (!m_observer.retryAfterNoDevice(m_faults)) {
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

// The memory a block stands for by its place in the stream: the recorder sends all three in
// order, or only the one asked for.
int DownloadSession::userAt(int blockIndex) const {
    return m_blocksExpected == 1 ? m_selection : blockIndex + 1;
}

DownloadSession::State DownloadSession::readBlockHeader() {
    m_user = userAt(m_blockIndex);
    m_headerDamaged = false;
    std::uint8_t userByte = 0, countByte = 0;
    if (!readByte(userByte)) return loseLink(-1, 0);
    if (userByte >= 0x11 && userByte <= 0x13) {
        m_user = userByte - 0x10;
    } else {
        // Named after the memory expected here, never after the one before: its file must
        // not be mistaken for (or replace) that memory's.
        m_headerDamaged = m_damaged = true;
        m_channel.note("damaged transfer: unknown user byte " + Hex(userByte) + " for user " +
                       std::to_string(m_user));
        m_observer.unknownUserByte(m_user, userByte);
    }
    if (!readByte(countByte)) return loseLink(-1, 0);
    m_count = countByte;
    if (m_count > 0) return State::ReadingRecords;
    // After a damaged header the count is one more byte out of step, not an empty memory.
    if (!m_headerDamaged) {
        if (m_blocksExpected == 1)
            m_emptyMemory = true; // said once the end of the stream is confirmed
        else
            m_observer.userHasNoData(m_user);
    }
    return nextBlock();
}

// Stops at the first byte that does not come: the recorder is gone, and waiting for the rest
// of the record would only delay saying so.
DeviceRecord DownloadSession::readRecord() {
    DeviceRecord::Bytes bytes{};
    std::size_t received = 0;
    while (received < DeviceRecord::kSize && readByte(bytes[received]))
        ++received;
    return DeviceRecord(bytes, received);
}

DownloadSession::State DownloadSession::readRecords() {
    for (int i = 1; i <= m_count; ++i) {
        const DeviceRecord record = readRecord();
        if (record.received() == 0) {
            m_linkLost = true;
            break;
        }
        if (i == 1) m_block = DownloadedBlock(m_user, m_count, m_timing.now());
        m_block.add(record);
        m_observer.progress(m_count, i);
        if (!record.complete()) {
            m_linkLost = true;
            break;
        }
    }
    return State::Saving;
}

DownloadSession::State DownloadSession::save() {
    if (!m_block.records().empty()) saveMemory();
    if (m_linkLost) {
        const int whole = static_cast<int>(m_block.records().size()) -
                          m_block.count(DownloadedBlock::Quality::Incomplete);
        return loseLink(m_count, whole);
    }
    return nextBlock();
}

// expected -1: the memory's header did not arrive, so nothing of it was read.
DownloadSession::State DownloadSession::loseLink(int expected, int received) {
    m_linkLost = true;
    LinkLoss loss;
    loss.user = m_user;
    loss.expected = expected;
    loss.received = received;
    if (expected < 0) loss.notDownloaded.push_back(m_user);
    for (int b = m_blockIndex + 1; b < m_blocksExpected; ++b)
        loss.notDownloaded.push_back(userAt(b));
    m_channel.note("link lost: user " + std::to_string(m_user) + ", " +
                   (expected < 0 ? std::string("header missing")
                                 : std::to_string(received) + " of " + std::to_string(expected) +
                                       " readings"));
    m_channel.close();
    m_observer.linkLost(loss);
    return State::Finished;
}

void DownloadSession::noteDamage() {
    const std::vector<DownloadedBlock::Quality> quality = m_block.qualities();
    for (std::size_t i = 0; i < quality.size(); ++i)
        if (quality[i] == DownloadedBlock::Quality::Damaged) {
            const DeviceRecord& r = m_block.records()[i];
            char text[96];
            std::snprintf(text, sizeof text,
                          "damaged reading: user %d, reading %zu, time %d-%d-%d %d:%02d", m_user,
                          i + 1, r.year(), r.month(), r.day(), r.hour(), r.minute());
            m_channel.note(text);
        }
}

void DownloadSession::saveMemory() {
    SavedMemory memory;
    memory.user = m_user;
    memory.readings = static_cast<int>(m_block.records().size());
    memory.damaged = m_block.count(DownloadedBlock::Quality::Damaged);
    memory.incomplete = m_block.count(DownloadedBlock::Quality::Incomplete);
    if (memory.damaged > 0) {
        m_damaged = true;
        noteDamage();
    }
    if (!m_block.hasStart()) {
        m_observer.nothingIntact(m_user, memory.readings);
        return;
    }
    memory.path = saveBlock();
    if (memory.path.empty())
        m_saveFailed = true;
    else
        m_observer.fileSaved(memory);
}

std::string DownloadSession::saveBlock() {
    std::string folder = m_folder;
    for (;;) {
        const std::string path = unusedPath(folder);
        if (m_block.writeTo(path)) {
            m_saved.push_back(path);
            return path;
        }
        m_channel.note("could not write " + path);
        const std::string other = m_observer.folderAfterFailedSave(path, m_user);
        if (!other.empty())
            folder = other;
        else if (m_observer.discardUnsaved(m_user, static_cast<int>(m_block.records().size())))
            return {};
    }
}

// The name of the download time; a file this download wrote itself is never replaced, so a
// memory that comes out under the same name (a user byte read out of step) gets "-2", "-3" ...
std::string DownloadSession::unusedPath(const std::string& folder) const {
    for (int variant = 1;; ++variant) {
        const std::string path =
            (std::filesystem::path(folder) / m_block.fileName(variant)).string();
        if (writtenThisRun(path)) continue;
        std::error_code ec;
        if (variant == 1 || !std::filesystem::exists(path, ec)) return path;
    }
}

bool DownloadSession::writtenThisRun(const std::string& path) const {
    for (const std::string& saved : m_saved) {
        std::error_code ec;
        if (saved == path || std::filesystem::equivalent(saved, path, ec)) return true;
    }
    return false;
}

DownloadSession::State DownloadSession::nextBlock() {
    m_block = DownloadedBlock();
    ++m_blockIndex;
    return m_blockIndex < m_blocksExpected ? State::ReadingBlockHeader : State::Finishing;
}

// A recorder sends exactly what its headers announce. Anything after that means a byte was
// lost or misread on the way, and what was read as counts and readings may be wrong.
DownloadSession::State DownloadSession::finish() {
    std::uint8_t extra = 0;
    const bool more = readByte(extra) == 1;
    m_channel.close();
    if (more) {
        m_damaged = true;
        m_channel.note("damaged transfer: byte " + Hex(extra) + " after the last memory");
        m_observer.outOfStep();
    } else if (m_emptyMemory) {
        m_observer.noData();
    }
    return State::Finished;
}

DownloadOutcome DownloadSession::finalOutcome() const {
    if (m_cancelled) return DownloadOutcome::NoDevice;
    if (m_saveFailed) return DownloadOutcome::SaveFailed;
    // A stream read out of step runs short at its end: the time-out that follows damage is
    // part of the damage, not a recorder that went away.
    if (m_damaged) return DownloadOutcome::Damaged;
    if (m_linkLost) return DownloadOutcome::LinkLost;
    if (m_saved.empty()) return DownloadOutcome::NoData;
    return DownloadOutcome::Completed;
}
