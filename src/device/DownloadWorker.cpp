#include "DownloadWorker.h"

#include "PortDiscovery.h"
#include "TracedSerialChannel.h"

// Turns the session's calls into the worker's signals.
class DownloadWorker::Relay : public DownloadObserver {
  public:
    explicit Relay(DownloadWorker& worker) : m_w(worker) {}

    void progress(int total, int done) override {
        emit m_w.progress(total, done);
        if (done == total) emit m_w.memoryComplete();
    }
    bool retryAfterNoDevice() override {
        bool retry = false;
        emit m_w.retryQuestion(&retry);
        return retry;
    }
    void noData() override { emit m_w.noDataMessage(); }
    void userHasNoData(int user) override { emit m_w.userHasNoDataMessage(user); }
    void fileSaved(const std::string& path, int incomplete) override {
        emit m_w.fileSavedMessage(QString::fromStdString(path), incomplete);
    }
    std::string folderAfterFailedSave(const std::string& path) override {
        QString folder;
        emit m_w.saveFailedQuestion(QString::fromStdString(path), &folder);
        return folder.toStdString();
    }
    void linkLost(int user, int received, int expected) override {
        emit m_w.linkLostMessage(user, received, expected);
    }

  private:
    DownloadWorker& m_w;
};

DownloadWorker::DownloadWorker(Job job, QObject* parent) : QThread(parent), m_job(std::move(job)) {}

void DownloadWorker::run() {
    TracedSerialChannel link(m_job.tracePath.toStdString());
    const std::string extra = m_job.extraPorts.toStdString();
    Relay relay(*this);
    DownloadSession session(
        link.channel(), [extra] { return PortDiscovery::candidates(extra); }, relay,
        DeviceTiming::System());
    m_outcome = session.run(m_job.selection, m_job.folder.toStdString());
    m_saved.clear();
    for (const std::string& path : session.savedFiles())
        m_saved << QString::fromStdString(path);
}
