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

void DownloadProgressDialog::tell(QMessageBox::Icon icon, const QString& text) {
    DeviceMessages::Ask(this, icon, text);
}

void DownloadProgressDialog::connectWorker() {
    using W = DownloadWorker;
    using Box = QMessageBox;
    constexpr auto blocking = Qt::BlockingQueuedConnection;
    connect(m_worker, &W::progress, this, [this](int total, int done) {
        m_bar->setRange(0, total);
        m_bar->setValue(done);
    });
    connect(
        m_worker, &W::retryQuestion, this,
        [this](const std::vector<PortFault>* faults, bool* retry) {
            *retry =
                DeviceMessages::Ask(this, Box::Warning, DeviceMessages::NoRecorderText(*faults),
                                    Box::Retry | Box::Cancel) == Box::Retry;
        },
        blocking);
    connect(
        m_worker, &W::noDataMessage, this,
        [this] { tell(Box::Warning, StringTable::label(57616)); }, blocking);
    connect(
        m_worker, &W::userHasNoDataMessage, this,
        [this](int user) { tell(Box::Information, tr("用户%1没有血压数据").arg(user)); }, blocking);
    connect(
        m_worker, &W::unknownUserByteMessage, this,
        [this](int user, int byte) {
            tell(Box::Warning, tr("用户%1的数据传输受损：收到未知的用户字节 %2。\n"
                                  "后续数据可能错位，受损的测量将保存为失败的测量。")
                                   .arg(user)
                                   .arg(QString::asprintf("0x%02X", byte)));
        },
        blocking);
    connect(m_worker, &W::fileSavedMessage, this, &DownloadProgressDialog::showFileSaved, blocking);
    connect(
        m_worker, &W::nothingIntactMessage, this,
        [this](int user, int readings) {
            tell(Box::Warning, tr("用户%1的 %2 条测量数据没有一条完整无误地到达，未保存文件。"
                                  "请重新下载。")
                                   .arg(user)
                                   .arg(readings));
        },
        blocking);
    connect(m_worker, &W::saveFailedQuestion, this, &DownloadProgressDialog::askOtherFolder,
            blocking);
    connect(m_worker, &W::discardQuestion, this, &DownloadProgressDialog::askDiscard, blocking);
    connect(
        m_worker, &W::linkLostMessage, this,
        [this](const LinkLoss* loss) { tell(Box::Warning, LinkLostText(*loss)); }, blocking);
    connect(
        m_worker, &W::outOfStepMessage, this,
        [this] {
            tell(Box::Warning, tr("记录仪发送的数据多于其声明的数量：传输已错位。\n"
                                  "以上结果可能有误，请重新下载。"));
        },
        blocking);
    connect(m_worker, &QThread::finished, this, &QDialog::accept);
}

QString DownloadProgressDialog::LinkLostText(const LinkLoss& loss) {
    QString text = loss.expected < 0 ? tr("记录仪停止发送数据。")
                                     : tr("记录仪停止发送数据：用户%1 只收到 %2 / %3 条测量数据。")
                                           .arg(loss.user)
                                           .arg(loss.received)
                                           .arg(loss.expected);
    if (!loss.notDownloaded.empty()) {
        QStringList users;
        for (int user : loss.notDownloaded)
            users << QString::number(user);
        text += QLatin1Char('\n') + tr("以下用户的数据未下载：%1").arg(users.join(", "));
    }
    return text + QLatin1Char('\n') + tr("串口关闭!");
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

// "操作完成!" only once the file is on disk, and only for a memory that arrived intact; a
// damaged one is told with its counts instead.
void DownloadProgressDialog::showFileSaved(const QString& path, int /*user*/, int damaged,
                                           int incomplete) {
    QString text = QStringLiteral("File was saved : \"") + path + QLatin1Char('"');
    if (damaged > 0)
        text += QLatin1Char('\n') +
                tr("%1 条测量数据传输错位（时间不可能），已保存为失败的测量。").arg(damaged);
    if (incomplete > 0)
        text +=
            QLatin1Char('\n') + tr("%1 条测量数据未完整接收，已保存为失败的测量。").arg(incomplete);
    const bool intact = damaged == 0 && incomplete == 0;
    if (intact) tell(QMessageBox::Information, StringTable::label(57613));
    tell(intact ? QMessageBox::Information : QMessageBox::Warning, text);
}

void DownloadProgressDialog::askOtherFolder(const QString& path, int /*user*/, QString* folder) {
    const QString text =
        tr("无法写入文件 \"%1\"。\n下载的数据仍然保留，请选择另一个文件夹保存。").arg(path);
    if (DeviceMessages::Ask(this, QMessageBox::Warning, text,
                            QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    *folder = QFileDialog::getExistingDirectory(this, tr("选择保存文件夹"));
}

void DownloadProgressDialog::askDiscard(int user, int readings, bool* discard) {
    const QString text = tr("用户%1的 %2 条测量数据尚未保存。\n"
                            "放弃这些数据吗？选择“否”将重新选择保存文件夹。")
                             .arg(user)
                             .arg(readings);
    // Enter keeps the readings.
    *discard =
        DeviceMessages::Ask(this, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No) == QMessageBox::Yes;
}
