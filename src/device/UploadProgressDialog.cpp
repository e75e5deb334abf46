#include "UploadProgressDialog.h"

#include <QProgressBar>
#include <QVBoxLayout>

#include "DeviceMessages.h"
#include "StringTable.h"

UploadProgressDialog::UploadProgressDialog(UploadWorker::Job job, QWidget* parent)
    : QDialog(parent), m_worker(new UploadWorker(std::move(job), this)),
      m_bar(new QProgressBar(this)) {
    setWindowTitle(tr("上传中......"));
    m_bar->setRange(0, 1);
    m_bar->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    setMinimumWidth(320);
    connect(m_worker, &UploadWorker::progress, this, [this](int total, int acknowledged) {
        m_bar->setRange(0, total);
        m_bar->setValue(acknowledged);
    });
    connect(
        m_worker, &UploadWorker::retryQuestion, this,
        [this](const std::vector<PortFault>* faults, bool* retry) {
            *retry = DeviceMessages::Ask(
                         this, QMessageBox::Warning, DeviceMessages::NoRecorderText(*faults),
                         QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry;
        },
        Qt::BlockingQueuedConnection);
    connect(m_worker, &QThread::finished, this, &UploadProgressDialog::finish);
}

UploadProgressDialog::~UploadProgressDialog() {
    m_worker->wait();
}

int UploadProgressDialog::FinalMessage(UploadOutcome outcome) {
    switch (outcome) {
    case UploadOutcome::Done:
        return 57613;
    case UploadOutcome::AcknowledgementLost:
        return 57622;
    case UploadOutcome::NoDevice:
        return 0;
    }
    return 0;
}

void UploadProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_worker->start();
    }
}

void UploadProgressDialog::reject() {
    if (!m_worker->isRunning()) QDialog::reject();
}

void UploadProgressDialog::finish() {
    const int message = FinalMessage(m_worker->outcome());
    if (message != 0)
        DeviceMessages::Ask(this,
                            message == 57613 ? QMessageBox::Information : QMessageBox::Warning,
                            StringTable::label(message));
    accept();
}
