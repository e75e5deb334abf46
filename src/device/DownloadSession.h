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
    Completed,  // every memory that held readings is on disk, every reading intact
    Damaged,    // read out of step: files hold damaged readings, or a memory was unreadable
    NoDevice,   // no port answered and the user gave up
    NoData,     // the memory (or all three) held no readings
    LinkLost,   // the recorder stopped sending before the download was through (and nothing
                // read before had been out of step)
    SaveFailed, // a memory's readings could not be written and were given up
};

// The recorder download: probe the candidate ports with the command byte, read one or three
// user memories of 12-byte records and write each memory into a new record file.
//
// A byte that does not arrive within the read time-out means the recorder is gone: the
// download ends there and keeps what it saved. Only a count byte that arrives and says 0 is
// an empty memory.
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
    // The ports that could not be asked in the last probing round.
    const std::vector<PortFault>& portFaults() const { return m_faults; }

    static std::uint8_t CommandByte(int selection);
    static int BlockCount(int selection);

  private:
    enum class State {
        Probing,
        AskingRetry,
        ReadingBlockHeader,
        ReadingRecords,
        Saving,
        Finishing,
        Finished
    };

    State step(State state);
    State probe();
    State askRetry();
    State readBlockHeader();
    State readRecords();
    State save();
    State nextBlock();
    State finish();
    State loseLink(int expected, int received);
    int readByte(std::uint8_t& byte);
    DeviceRecord readRecord();
    int userAt(int blockIndex) const;
    void saveMemory();
    std::string saveBlock();
    std::string unusedPath(const std::string& folder) const;
    bool writtenThisRun(const std::string& path) const;
    void noteDamage();
    DownloadOutcome finalOutcome() const;

    ByteChannel& m_channel;
    CandidateSource m_candidates;
    DownloadObserver& m_observer;
    DeviceTiming m_timing;

    int m_selection = 1;
    std::uint8_t m_command = 0;
    int m_blocksExpected = 0;
    int m_blockIndex = 0;
    int m_user = 0;
    int m_count = 0;
    bool m_headerDamaged = false;
    bool m_emptyMemory = false;
    std::string m_folder;
    std::string m_port;
    std::vector<PortFault> m_faults;
    DownloadedBlock m_block;
    std::vector<std::string> m_saved;
    bool m_cancelled = false;
    bool m_linkLost = false;
    bool m_saveFailed = false;
    bool m_damaged = false;
};
