#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

#include "DownloadSession.h"

// Runs one download on its own thread. It never touches a widget: everything reaches the
// dialog as a signal. The dialog connects the questions and messages with
// Qt::BlockingQueuedConnection (the download waits until the user has answered, as it must
// for Retry/Cancel) and progress with Qt::QueuedConnection.
class DownloadWorker : public QThread {
    Q_OBJECT
  public:
    struct Job {
        int selection = 1;    // 1..3 one user, 4 all users
        QString folder;       // where the record files go
        QString extraPorts;   // probed before the discovered ports
        QString tracePath;    // empty: no trace
        bool discover = true; // false: the extra ports only, none of the machine's own
    };

    explicit DownloadWorker(Job job, QObject* parent = nullptr);

    // Valid once the thread has finished.
    DownloadOutcome outcome() const { return m_outcome; }
    QStringList savedFiles() const { return m_saved; }

  signals:
    void progress(int total, int done);
    // Questions: the download waits for the answer. Pointers stay valid until then.
    void retryQuestion(const std::vector<PortFault>* faults, bool* retry);
    // *otherFolder stays empty to give none.
    void saveFailedQuestion(const QString& path, int user, QString* otherFolder);
    void discardQuestion(int user, int readings, bool* discard);
    // Messages, shown before the download goes on.
    void noDataMessage();
    void userHasNoDataMessage(int user);
    void unknownUserByteMessage(int user, int byte);
    void fileSavedMessage(const QString& path, int user, int damaged, int incomplete);
    void nothingIntactMessage(int user, int readings);
    void linkLostMessage(const LinkLoss* loss);
    void outOfStepMessage();

  protected:
    void run() override;

  private:
    class Relay;

    Job m_job;
    DownloadOutcome m_outcome = DownloadOutcome::NoDevice;
    QStringList m_saved;
};
