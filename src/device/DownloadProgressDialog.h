#pragma once

#include <QDialog>
#include <QStringList>

#include "DownloadWorker.h"

class QProgressBar;

// "下载中....." (dialog 206): starts the download thread when it opens, follows its progress
// and shows its messages; closes when the thread ends. It cannot be closed before.
class DownloadProgressDialog : public QDialog {
    Q_OBJECT
  public:
    DownloadProgressDialog(DownloadWorker::Job job, QWidget* parent = nullptr);
    ~DownloadProgressDialog() override;

    DownloadOutcome outcome() const { return m_worker->outcome(); }
    QStringList savedFiles() const { return m_worker->savedFiles(); }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void connectWorker();
    void askRetry(bool* retry);
    void showFileSaved(const QString& path, int incomplete);
    void askOtherFolder(const QString& path, QString* folder);

    DownloadWorker* m_worker;
    QProgressBar* m_bar;
    bool m_started = false;
};
