#include "DownloadWorker.h"

#include "PortDiscovery.h"
#include "TracedSerialChannel.h"

// Turns the session's calls into the worker's signals.
class DownloadWorker::Relay : public DownloadObserver {
  public:
    explicit Relay(DownloadWorker& worker) : m_w(worker) {}

    void progress(int total, int done) override { emit m_w.progress(total, done); }
    bool retryAfterNoDevice(const std::vector<PortFault>& faults) override {
        bool retry = false;
        emit m_w.retryQuestion(&faults, &retry);
        return retry;
    }
    void noData() override { emit m_w.noDataMessage(); }
    void userHasNoData(int user) override { emit m_w.userHasNoDataMessage(user); }
    void unknownUserByte(int user, std::uint8_t byte) override {
        emit m_w.unknownUserByteMessage(user, byte);
    }
    void fileSaved(const SavedMemory& m) override {
        emit m_w.fileSavedMessage(QString::fromStdString(m.path), m.user, m.damaged, m.incomplete);
    }
    void nothingIntact(int user, int readings) override {
        emit m_w.nothingIntactMessage(user, readings);
    }
    std::string folderAfterFailedSave(const std::string& path, int user) override {
        QString folder;
        emit m_w.saveFailedQuestion(QString::fromStdString(path), user, &folder);
        return folder.toStdString();
    }
    bool discardUnsaved(int user, int readings) override {
        bool discard = true;
        emit m_w.discardQuestion(user, readings, &discard);
        return discard;
    }
    void linkLost(const LinkLoss& loss) override { emit m_w.linkLostMessage(&loss); }
    void outOfStep() override { emit m_w.outOfStepMessage(); }

  private:
    DownloadWorker& m_w;
};

DownloadWorker::DownloadWorker(Job job, QObject* parent) : QThread(parent), m_job(std::move(job)) {}

void DownloadWorker::run() {
    TracedSerialChannel link(m_job.tracePath.toStdString());
    const std::string extra = m_job.extraPorts.toStdString();
    Relay relay(*this);
    DownloadSession session(
        link.channel(),
        [extra, discover = m_job.discover] { return PortDiscovery::candidates(extra, discover); },
        relay, DeviceTiming::System());
    m_outcome = session.run(m_job.selection, m_job.folder.toStdString());
    m_saved.clear();
    for (const std::string& path : session.savedFiles())
        m_saved << QString::fromStdString(path);
}
