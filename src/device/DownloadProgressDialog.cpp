#include "DownloadProgressDialog.h"

#include <QFileDialog>
#include <QProgressBar>
#include <QVBoxLayout>

#include "DeviceMessages.h"
#include "StringTable.h"

DownloadProgressDialog::DownloadProgressDialog(DownloadWorker::Job job, QWidget* parent)
    : QDialog(parent), m_worker(new DownloadWorker(std::move(job), this)),
      m_bar(new QProgressBar(this)) {
    setWindowTitle(tr("下载中....."));
    m_bar->setRange(0, 1);
    m_bar->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    setMinimumWidth(320);
    connectWorker();
}

DownloadProgressDialog::~DownloadProgressDialog() {
    m_worker->wait();
}

void DownloadProgressDialog::connectWorker() {
    using W = DownloadWorker;
    constexpr auto blocking = Qt::BlockingQueuedConnection;
    connect(m_worker, &W::progress, this, [this](int total, int done) {
        m_bar->setRange(0, total);
        m_bar->setValue(done);
    });
    connect(
        m_worker, &W::memoryComplete, this,
        [this] { DeviceMessages::Ask(this, QMessageBox::Information, StringTable::label(57613)); },
        blocking);
    connect(m_worker, &W::retryQuestion, this, &DownloadProgressDialog::askRetry, blocking);
    connect(
        m_worker, &W::noDataMessage, this,
        [this] { DeviceMessages::Ask(this, QMessageBox::Warning, StringTable::label(57616)); },
        blocking);
    connect(
        m_worker, &W::userHasNoDataMessage, this,
        [this](int user) {
            DeviceMessages::Ask(this, QMessageBox::Information, tr("用户%1没有血压数据").arg(user));
        },
        blocking);
    connect(m_worker, &W::fileSavedMessage, this, &DownloadProgressDialog::showFileSaved, blocking);
    connect(m_worker, &W::saveFailedQuestion, this, &DownloadProgressDialog::askOtherFolder,
            blocking);
    connect(
        m_worker, &W::linkLostMessage, this,
        [this](int user, int received, int expected) {
            DeviceMessages::Ask(
                this, QMessageBox::Warning,
                tr("记录仪停止发送数据：用户%1 只收到 %2 / %3 条测量数据。串口关闭!")
                    .arg(user)
                    .arg(received)
                    .arg(expected));
        },
        blocking);
    connect(m_worker, &QThread::finished, this, &QDialog::accept);
}

void DownloadProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_worker->start();
    }
}

// The window stays until the thread has ended: it owns the thread's messages.
void DownloadProgressDialog::reject() {
    if (!m_worker->isRunning()) QDialog::reject();
}

void DownloadProgressDialog::askRetry(bool* retry) {
    *retry = DeviceMessages::Ask(this, QMessageBox::Warning, StringTable::label(57629),
                                 QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry;
}

void DownloadProgressDialog::showFileSaved(const QString& path, int incomplete) {
    QString text = QStringLiteral("File was saved : \"") + path + QLatin1Char('"');
    if (incomplete > 0)
        text +=
            QLatin1Char('\n') + tr("%1 条测量数据未完整接收，已保存为失败的测量。").arg(incomplete);
    DeviceMessages::Ask(this, QMessageBox::Information, text);
}

void DownloadProgressDialog::askOtherFolder(const QString& path, QString* folder) {
    const QString text =
        tr("无法写入文件 \"%1\"。\n下载的数据仍然保留，请选择另一个文件夹保存。").arg(path);
    if (DeviceMessages::Ask(this, QMessageBox::Warning, text,
                            QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    *folder = QFileDialog::getExistingDirectory(this, tr("选择保存文件夹"));
}
