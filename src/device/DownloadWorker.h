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
        int selection = 1;  // 1..3 one user, 4 all users
        QString folder;     // where the record files go
        QString extraPorts; // probed before the discovered ports
        QString tracePath;  // empty: no trace
    };

    explicit DownloadWorker(Job job, QObject* parent = nullptr);

    // Valid once the thread has finished.
    DownloadOutcome outcome() const { return m_outcome; }
    QStringList savedFiles() const { return m_saved; }

  signals:
    void progress(int total, int done);
    // The last reading of a memory arrived.
    void memoryComplete();
    void retryQuestion(bool* retry);
    void noDataMessage();
    void userHasNoDataMessage(int user);
    void fileSavedMessage(const QString& path, int incomplete);
    // *otherFolder stays empty to give up.
    void saveFailedQuestion(const QString& path, QString* otherFolder);
    void linkLostMessage(int user, int received, int expected);

  protected:
    void run() override;

  private:
    class Relay;

    Job m_job;
    DownloadOutcome m_outcome = DownloadOutcome::NoDevice;
    QStringList m_saved;
};
