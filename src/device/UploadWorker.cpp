#include "UploadWorker.h"

#include "PortDiscovery.h"
#include "TracedSerialChannel.h"

class UploadWorker::Relay : public UploadObserver {
  public:
    explicit Relay(UploadWorker& worker) : m_w(worker) {}
    void progress(int total, int acknowledged) override { emit m_w.progress(total, acknowledged); }
    bool retryAfterNoDevice(const std::vector<PortFault>& faults) override {
        bool retry = false;
        emit m_w.retryQuestion(&faults, &retry);
        return retry;
    }

  private:
    UploadWorker& m_w;
};

UploadWorker::UploadWorker(Job job, QObject* parent) : QThread(parent), m_job(std::move(job)) {}

void UploadWorker::run() {
    TracedSerialChannel link(m_job.tracePath.toStdString());
    const std::string extra = m_job.extraPorts.toStdString();
    Relay relay(*this);
    UploadSession session(
        link.channel(),
        [extra, discover = m_job.discover] { return PortDiscovery::candidates(extra, discover); },
        relay, m_job.timing);
    m_outcome = session.run(m_job.plan);
}
