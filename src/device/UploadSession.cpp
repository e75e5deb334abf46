#include "UploadSession.h"

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
    std::vector<std::string> names;
    try {
        names = m_candidates();
    } catch (const std::exception&) {
        names.clear(); // a failed port listing is reported like an absent recorder
    }
    for (const std::string& name : names)
        if (probePort(name)) return State::Sending;
    return State::AskingRetry;
}

bool UploadSession::probePort(const std::string& name) {
    m_channel.setPortName(name);
    if (m_channel.open(LineSettings::Upload()) < 0) return false;
    std::uint8_t echo = 0;
    if (m_channel.write(1, &m_ack) && m_channel.read(&echo, 1) == 1 && echo == m_ack) {
        m_port = name;
        return true;
    }
    m_channel.close();
    return false;
}

UploadSession::State UploadSession::askRetry() {
    if (!m_observer.retryAfterNoDevice()) return State::Cancelled;
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
