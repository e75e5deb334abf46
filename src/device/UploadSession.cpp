#include "UploadSession.h"

#include "PortProbe.h"

#include <exception>

UploadSession::UploadSession(ByteChannel& channel, CandidateSource candidates,
                             UploadObserver& observer, DeviceTiming timing)
    : m_channel(channel), m_candidates(std::move(candidates)), m_observer(observer),
      m_timing(std::move(timing)) {}

UploadOutcome UploadSession::run(const MeasurementPlan& plan) {
    m_ack = plan.acknowledgeByte();
    m_acknowledged = 0;
    m_port.clear();
    State state = State::Probing;
    for (;;) {
        switch (state) {
        case State::Probing:
            state = probe();
            break;
        case State::AskingRetry:
            state = askRetry();
            break;
        case State::Sending:
            state = send(plan);
            break;
        case State::Failed:
            m_channel.close();
            return UploadOutcome::AcknowledgementLost;
        case State::Done:
            m_channel.close();
            return UploadOutcome::Done;
        case State::Cancelled:
            m_channel.close();
            return UploadOutcome::NoDevice;
        }
    }
}

UploadSession::State UploadSession::probe() {
    ProbeResult found = FindRecorderPort(m_channel, m_candidates, LineSettings::Upload(), m_ack);
    m_faults = std::move(found.faults);
    if (!found.port) return State::AskingRetry;
    m_port = *found.port;
    return State::Sending;
}

UploadSession::State UploadSession::askRetry() {
    if (!m_observer.retryAfterNoDevice(m_faults)) return State::Cancelled;
    m_timing.wait(kRetryPauseMs);
    return State::Probing;
}

// A byte is never sent twice: a late acknowledgement is still taken while reads remain.
bool UploadSession::awaitAcknowledge() {
    for (int attempt = 1; attempt <= kReadsPerByte; ++attempt) {
        std::uint8_t answer = 0;
        if (m_channel.read(&answer, 1) == 1 && answer == m_ack) return true;
        m_timing.wait(kAckPauseMs);
    }
    return false;
}

UploadSession::State UploadSession::send(const MeasurementPlan& plan) {
    const int count = plan.sentLength();
    for (int i = 0; i < count; ++i) {
        m_channel.write(1, &plan.bytes()[i]);
        if (!awaitAcknowledge()) return State::Failed;
        m_acknowledged = i + 1;
        m_observer.progress(count, m_acknowledged);
    }
    return State::Done;
}
