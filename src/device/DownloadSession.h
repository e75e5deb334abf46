#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ByteChannel.h"
#include "DeviceTiming.h"
#include "DownloadObserver.h"
#include "DownloadedBlock.h"

enum class DownloadOutcome {
    Completed,  // every memory that held readings is on disk
    NoDevice,   // no port answered and the user gave up
    NoData,     // the memory (or all three) held no readings
    LinkLost,   // the recorder stopped sending in the middle of a memory
    SaveFailed, // a record file could not be written
};

// The recorder download: probe the candidate ports with the command byte, read one or three
// user memories of 12-byte records and write each memory into a new record file.
class DownloadSession {
  public:
    // Rebuilt for every probing round, so a recorder plugged in after "Retry" is found. A
    // source that throws counts as an empty list.
    using CandidateSource = std::function<std::vector<std::string>()>;

    DownloadSession(ByteChannel& channel, CandidateSource candidates, DownloadObserver& observer,
                    DeviceTiming timing);

    // selection 1, 2, 3 (one user) or 4 (all users); the files go into folder.
    DownloadOutcome run(int selection, const std::string& folder);

    const std::vector<std::string>& savedFiles() const { return m_saved; }
    const std::string& recorderPort() const { return m_port; }

    static std::uint8_t CommandByte(int selection);
    static int BlockCount(int selection);

  private:
    enum class State { Probing, AskingRetry, ReadingBlockHeader, ReadingRecords, Saving, Finished };

    State step(State state);
    State probe();
    State askRetry();
    State readBlockHeader();
    State readRecords();
    State save();
    State nextBlock();
    int readByte(std::uint8_t& byte);
    DeviceRecord readRecord();
    std::string saveBlock();
    DownloadOutcome finalOutcome() const;

    ByteChannel& m_channel;
    CandidateSource m_candidates;
    DownloadObserver& m_observer;
    DeviceTiming m_timing;

    std::uint8_t m_command = 0;
    int m_blocksExpected = 0;
    int m_blockIndex = 0;
    int m_user = 0;
    int m_count = 0;
    std::string m_folder;
    std::string m_port;
    DownloadedBlock m_block;
    std::vector<std::string> m_saved;
    bool m_cancelled = false;
    bool m_linkLost = false;
    bool m_saveFailed = false;
};
