#pragma once

#include <QDialog>
#include <QMessageBox>
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

    // The text shown when the recorder stopped sending.
    static QString LinkLostText(const LinkLoss& loss);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void connectWorker();
    void tell(QMessageBox::Icon icon, const QString& text);
    void showFileSaved(const QString& path, int user, int damaged, int incomplete);
    void askOtherFolder(const QString& path, int user, QString* folder);
    void askDiscard(int user, int readings, bool* discard);

    DownloadWorker* m_worker;
    QProgressBar* m_bar;
    bool m_started = false;
};
