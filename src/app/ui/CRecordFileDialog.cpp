#include "CRecordFileDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CTargetFolderDialog.h"
#include "FolderBrowser.h"
#include "GbkText.h"
#include "Help.h"
#include "RecordFileOps.h"
#include "RecordListing.h"
#include "StringTable.h"

namespace {

QString Title(CRecordFileDialog::Mode mode) {
    switch (mode) {
    case CRecordFileDialog::Mode::Open:
        return CRecordFileDialog::tr("选择需要打开的文件");
    case CRecordFileDialog::Mode::Copy:
        return CRecordFileDialog::tr("选择需要复制的文件");
    case CRecordFileDialog::Mode::Delete:
        return CRecordFileDialog::tr("选择需要删除的文件");
    }
    return {};
}

QStringList FailureLines(const std::vector<RecordFileFailure>& failures) {
    QStringList lines;
    for (const RecordFileFailure& f : failures)
        lines << QStringLiteral("%1: %2").arg(
            QDir::toNativeSeparators(QString::fromStdString(f.path)),
            QString::fromStdString(f.reason));
    return lines;
}

} // namespace

void ReportFileFailures(QWidget* parent, const QString& title, const QStringList& lines) {
    if (lines.isEmpty()) return;
    QMessageBox::warning(parent, title, lines.join('\n'));
}

CRecordFileDialog::CRecordFileDialog(Mode mode, const QString& folder, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_browser(new FolderBrowser(this)),
      m_files(new QTreeWidget(this)) {
    setWindowTitle(Title(mode));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_browser, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("当前路径 :"), this));
    right->addWidget(m_browser->pathLabel());
    right->addStretch(1);
    top->addLayout(right, 1);
    layout->addLayout(top);
    layout->addWidget(m_files, 2);

    const auto columns = ParseColumns(StringTable::text(57623));
    QStringList headers;
    for (const auto& c : columns)
        headers << c.first;
    m_files->setHeaderLabels(headers);
    for (int i = 0; i < columns.size(); ++i)
        m_files->setColumnWidth(i, columns[i].second);
    m_files->setRootIsDecorated(false);
    m_files->setAllColumnsShowFocus(true);
    m_files->setSelectionMode(mode == Mode::Open ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::ExtendedSelection);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确认(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    AddHelpButton(buttons, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRecordFileDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Choosing a drive refreshes the file list only in the open dialog; entering a folder
    // always does.
    connect(m_browser, &FolderBrowser::folderEntered, this, &CRecordFileDialog::fillFiles);
    connect(m_browser, &FolderBrowser::driveChosen, this, [this] {
        if (m_mode == Mode::Open) fillFiles();
    });
    connect(m_files, &QTreeWidget::itemSelectionChanged, this, [this] {
        const auto rows = m_files->selectionModel()->selectedRows();
        if (!rows.isEmpty()) m_lastSelected = rows.last().row();
    });

    m_browser->setFolder(folder);
    fillFiles();
    m_chooseTarget = [this]() -> std::optional<QString> {
        CTargetFolderDialog target(m_browser->folder(), this);
        if (target.exec() != QDialog::Accepted) return std::nullopt;
        return target.folder();
    };
    resize(720, 520);
}

QList<QPair<QString, int>> CRecordFileDialog::ParseColumns(const QString& titles) {
    QList<QPair<QString, int>> out;
    for (const QString& entry : titles.split(';', Qt::SkipEmptyParts)) {
        const qsizetype comma = entry.indexOf(',');
        if (comma < 0) continue;
        out.append({entry.left(comma), entry.mid(comma + 1).trimmed().toInt()});
    }
    return out;
}

void CRecordFileDialog::setTargetChooser(std::function<std::optional<QString>()> chooser) {
    m_chooseTarget = std::move(chooser);
}

QString CRecordFileDialog::folder() const {
    return m_browser->folder();
}

QStringList CRecordFileDialog::selectedPaths() const {
    QStringList out;
    for (int i = 0; i < m_files->topLevelItemCount(); ++i)
        if (m_files->topLevelItem(i)->isSelected()) out << m_paths.value(i);
    return out;
}

void CRecordFileDialog::fillFiles() {
    m_files->clear();
    m_paths.clear();
    m_lastSelected = -1;
    const std::string missing = m_mode == Mode::Delete ? "Null" : "no string";
    for (const RecordListRow& row : ListRecordFiles(m_browser->folder().toStdString(), missing)) {
        m_paths << QString::fromStdString(row.path);
        auto* item = new QTreeWidgetItem(m_files, {FromGbk(row.name), FromGbk(row.id),
                                                   FromGbk(row.beginDate),
                                                   QString::fromStdString(row.fileName)});
        Q_UNUSED(item);
    }
    if (m_files->topLevelItemCount() > 0) m_files->setCurrentItem(m_files->topLevelItem(0));
}

void CRecordFileDialog::onOk() {
    switch (m_mode) {
    case Mode::Open:
        openOk();
        break;
    case Mode::Copy:
        copyOk();
        break;
    case Mode::Delete:
        deleteOk();
        break;
    }
}

void CRecordFileDialog::openOk() {
    if (selectedPaths().isEmpty()) {
        QMessageBox::information(this, windowTitle(), StringTable::text(57617));
        return;
    }
    accept();
}

void CRecordFileDialog::copyOk() {
    const QStringList paths = selectedPaths();
    if (paths.isEmpty()) {
        QMessageBox::information(this, windowTitle(), StringTable::text(57617));
        return;
    }
    const std::optional<QString> target = m_chooseTarget();
    if (!target) return; // back to the copy dialog
    std::vector<std::string> files;
    for (const QString& p : paths)
        files.push_back(p.toStdString());
    ReportFileFailures(this, tr("复制失败"),
                       FailureLines(CopyRecordFiles(files, target->toStdString())));
    accept();
}

void CRecordFileDialog::deleteOk() {
    if (QMessageBox::question(this, windowTitle(), StringTable::text(57612),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        reject();
        return;
    }
    std::vector<std::string> files;
    for (const QString& p : selectedPaths())
        files.push_back(p.toStdString());
    for (int i = m_files->topLevelItemCount() - 1; i >= 0; --i) {
        if (!m_files->topLevelItem(i)->isSelected()) continue;
        delete m_files->takeTopLevelItem(i);
        m_paths.removeAt(i);
    }
    ReportFileFailures(this, tr("删除失败"), FailureLines(DeleteRecordFiles(files)));
    accept();
}

void CRecordFileDialog::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click on the dialog's own surface confirms, as OK does.
    if (childAt(event->position().toPoint()) == nullptr)
        onOk();
    else
        QDialog::mouseDoubleClickEvent(event);
}

void CRecordFileDialog::mousePressEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr && m_lastSelected >= 0 &&
        m_lastSelected < m_files->topLevelItemCount())
        m_files->setCurrentItem(m_files->topLevelItem(m_lastSelected));
    QDialog::mousePressEvent(event);
}
