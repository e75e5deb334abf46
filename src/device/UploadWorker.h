#pragma once

#include <QString>
#include <QThread>

#include "MeasurementPlan.h"
#include "UploadSession.h"

// Runs one plan upload on its own thread; like DownloadWorker it talks only through signals
// (retryQuestion blocking-queued, progress queued).
class UploadWorker : public QThread {
    Q_OBJECT
  public:
    struct Job {
        MeasurementPlan plan;
        QString extraPorts;
        QString tracePath;
        DeviceTiming timing = DeviceTiming::System();
        bool discover = true; // false: the extra ports only, none of the machine's own
    };

    explicit UploadWorker(Job job, QObject* parent = nullptr);

    UploadOutcome outcome() const { return m_outcome; }

  signals:
    void progress(int total, int acknowledged);
    // The upload waits for the answer; faults stays valid until then.
    void retryQuestion(const std::vector<PortFault>* faults, bool* retry);

  protected:
    void run() override;

  private:
    class Relay;

    Job m_job;
    UploadOutcome m_outcome = UploadOutcome::NoDevice;
};
