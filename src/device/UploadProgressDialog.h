#pragma once

#include <QDialog>

#include "UploadWorker.h"

class QProgressBar;

// "上传中......" (dialog 209): starts the upload thread when it opens, follows the
// acknowledged bytes and tells the end: 57613 when the plan is in, 57622 when the recorder
// stopped answering.
class UploadProgressDialog : public QDialog {
    Q_OBJECT
  public:
    UploadProgressDialog(UploadWorker::Job job, QWidget* parent = nullptr);
    ~UploadProgressDialog() override;

    UploadOutcome outcome() const { return m_worker->outcome(); }
    void reject() override;

    // The string-table message that ends an upload, 0 for none (the user cancelled).
    static int FinalMessage(UploadOutcome outcome);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void finish();

    UploadWorker* m_worker;
    QProgressBar* m_bar;
    bool m_started = false;
};
