#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ByteChannel.h"
#include "DeviceTiming.h"
#include "MeasurementPlan.h"
#include "UploadObserver.h"

enum class UploadOutcome {
    Done,                // every plan byte acknowledged
    NoDevice,            // no port answered and the user gave up; nothing was sent
    AcknowledgementLost, // the recorder stopped acknowledging; it holds a partial plan
};

// The plan upload: find the port where the recorder echoes the acknowledge byte, then send
// the plan one byte at a time, each byte answered by the acknowledge byte.
class UploadSession {
  public:
    using CandidateSource = std::function<std::vector<std::string>()>;

    static constexpr int kReadsPerByte = 10;
    static constexpr int kAckPauseMs = 2000;
    static constexpr int kRetryPauseMs = 1000;

    UploadSession(ByteChannel& channel, CandidateSource candidates, UploadObserver& observer,
                  DeviceTiming timing);

    UploadOutcome run(const MeasurementPlan& plan);

    int acknowledged() const { return m_acknowledged; }
    const std::string& recorderPort() const { return m_port; }
    // The ports that could not be asked in the last probing round.
    const std::vector<PortFault>& portFaults() const { return m_faults; }

  private:
    enum class State { Probing, AskingRetry, Sending, Failed, Done, Cancelled };

    State probe();
    State askRetry();
    State send(const MeasurementPlan& plan);
    bool awaitAcknowledge();

    ByteChannel& m_channel;
    CandidateSource m_candidates;
    UploadObserver& m_observer;
    DeviceTiming m_timing;
    std::uint8_t m_ack = 0;
    int m_acknowledged = 0;
    std::string m_port;
    std::vector<PortFault> m_faults;
};
