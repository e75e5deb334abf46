#include "ReadingsTableDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "CIniDocument.h"
#include "GbkText.h"
#include "ReadingCells.h"
#include "RecordEdits.h"
#include "StringTable.h"

namespace {

using ReadingCells::Column;

// Set on a comment cell while it shows the error text in place of a missing comment: that
// text describes the reading and is not stored as its comment.
constexpr int kShowsErrorTextRole = Qt::UserRole + 1;

// The in-place comment editor: 25 characters typed, widening with its text up to the list's
// width. A longer comment from the file is shown whole; typing cannot make it longer. Enter
// and losing the focus keep the text, Escape discards it.
class CommentCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* edit =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!edit) return nullptr;
        const int loaded = static_cast<int>(index.data(Qt::EditRole).toString().size());
        edit->setMaxLength(std::max(ReadingsTableDialog::kCommentLength, loaded));
        const int cellWidth = option.rect.width();
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, parent, cellWidth] {
            const int wanted = edit->fontMetrics().horizontalAdvance(edit->text()) + 5;
            const int room = std::max(cellWidth, parent->width() - edit->x());
            edit->resize(std::clamp(wanted, cellWidth, room), edit->height());
        });
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            edit->selectAll();
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        auto* edit = qobject_cast<QLineEdit*>(editor);
        if (!edit || edit->text() == index.data(Qt::EditRole).toString()) return;
        model->setData(index, edit->text(), Qt::EditRole);
        model->setData(index, false, kShowsErrorTextRole);
    }
};

} // namespace

QList<ReadingsTableDialog::ColumnFormat> ReadingsTableDialog::ParseColumns(const QString& text) {
    QList<ColumnFormat> columns;
    for (const QString& entry : text.split(QLatin1Char(';'))) {
        const qsizetype comma = entry.indexOf(QLatin1Char(','));
        ColumnFormat column;
        column.title = comma < 0 ? entry : entry.left(comma);
        if (comma >= 0) column.width = CIniDocument::AtoI(entry.mid(comma + 1).toStdString());
        columns.append(column);
    }
    return columns;
}

ReadingsTableDialog::ReadingsTableDialog(PatientRecord& record, QWidget* parent)
    : QDialog(parent), m_record(record), m_table(new QTableWidget(this)) {
    setWindowTitle(tr("编辑血压数据"));
    m_table->setShowGrid(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->setFocusPolicy(Qt::WheelFocus); // the wheel gives the list the focus first
    m_table->setItemDelegateForColumn(Column::Comment, new CommentCellDelegate(m_table));

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("确认(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReadingsTableDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &ReadingsTableDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(1000, 560);

    buildColumns();
    fillRows();
    // A double click arrives as a click followed by a double click: both act as clicks.
    connect(m_table, &QTableWidget::cellClicked, this, &ReadingsTableDialog::onCellClicked);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &ReadingsTableDialog::onCellClicked);
}

void ReadingsTableDialog::buildColumns() {
    const QList<ColumnFormat> columns = ParseColumns(StringTable::label(57724));
    m_table->setColumnCount(ReadingCells::kColumnCount);
    for (int c = 0; c < ReadingCells::kColumnCount; ++c) {
        const ColumnFormat column = c < columns.size() ? columns[c] : ColumnFormat{};
        auto* header = new QTableWidgetItem(column.title);
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_table->setHorizontalHeaderItem(c, header);
        m_table->setColumnWidth(c, column.width);
    }
}

void ReadingsTableDialog::fillRows() {
    const TestRecord& test = m_record.test;
    const int count = std::clamp(test.readingCount, 0, kMaxReadings);
    m_table->setRowCount(count);
    m_excluded = 0;
    for (int row = 0; row < count; ++row) {
        const BpReading& reading = test.readings[static_cast<std::size_t>(row)];
        for (int c = 0; c < ReadingCells::kColumnCount; ++c) {
            auto* item = new QTableWidgetItem(ReadingCells::CellText(test, reading, c));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (c == Column::Comment) {
                flags |= Qt::ItemIsEditable;
                item->setData(kShowsErrorTextRole, ReadingCells::ShowsErrorText(reading));
            }
            item->setFlags(flags);
            m_table->setItem(row, c, item);
        }
        if (reading.included != 1) ++m_excluded;
    }
    auto* header = m_table->horizontalHeaderItem(Column::Exclusion);
    header->setTextAlignment(Qt::AlignCenter);
    m_table->setColumnWidth(Column::Exclusion, kSummaryWidth);
    updateSummary();
}

QString ReadingsTableDialog::summaryTitle() const {
    return m_table->horizontalHeaderItem(Column::Exclusion)->text();
}

void ReadingsTableDialog::updateSummary() {
    m_table->horizontalHeaderItem(Column::Exclusion)
        ->setText(ReadingCells::ExclusionSummary(m_excluded, m_table->rowCount()));
}

void ReadingsTableDialog::toggleExclusion(int row) {
    QTableWidgetItem* item = m_table->item(row, Column::Exclusion);
    if (!item) return;
    if (item->text().isEmpty()) {
        item->setText(QStringLiteral("*"));
        ++m_excluded;
    } else {
        item->setText(QString());
        --m_excluded;
    }
    updateSummary();
}

void ReadingsTableDialog::editComment(int row) {
    QTableWidgetItem* item = m_table->item(row, Column::Comment);
    if (!item) return;
    m_table->setCurrentItem(item);
    m_table->scrollToItem(item);
    m_table->editItem(item);
}

void ReadingsTableDialog::onCellClicked(int row, int column) {
    if (column == Column::Exclusion) toggleExclusion(row);
    if (column == Column::Comment) editComment(row);
}

void ReadingsTableDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape belong to the in-place editor while it is open; they must not end the
    // dialog on their way up from it.
    QWidget* focus = focusWidget();
    const bool editing = focus && focus != m_table && m_table->isAncestorOf(focus);
    const int key = event->key();
    if (editing && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ReadingsTableDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_ok->setFocus();
}

QString ReadingsTableDialog::commentToStore(int row) const {
    const QTableWidgetItem* item = m_table->item(row, Column::Comment);
    if (!item || item->data(kShowsErrorTextRole).toBool()) return {};
    return item->text();
}

bool ReadingsTableDialog::commentEdited(int row) const {
    const BpReading& reading = m_record.test.readings[static_cast<std::size_t>(row)];
    return commentToStore(row) != FromGbk(reading.comment);
}

std::string ReadingsTableDialog::editedComment(int row) const {
    return CutGbk(ToGbk(commentToStore(row)), kMaxCommentBytes);
}

bool ReadingsTableDialog::writeRecordFile() const {
    std::unique_ptr<CIniDocument> doc = RecordEdits::OpenRecord(m_record.filePath);
    if (!doc) return false;
    const std::string& section = m_record.test.section;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const int number = row + 1;
        const std::string key = "C" + std::to_string(number);
        // A comment left as it was keeps the file's bytes, which may be longer than the
        // loaded copy or not decode as GBK.
        const std::string& loaded = m_record.test.readings[static_cast<std::size_t>(row)].comment;
        doc->WriteString(section, key,
                         commentEdited(row) ? editedComment(row)
                                            : doc->GetString(section, key, loaded));
        const bool excluded = !m_table->item(row, Column::Exclusion)->text().isEmpty();
        RecordEdits::SetExclusionMark(*doc, section, number, excluded);
    }
    return doc->Save();
}

void ReadingsTableDialog::applyToRecord() {
    for (int row = 0; row < m_table->rowCount(); ++row) {
        BpReading& reading = m_record.test.readings[static_cast<std::size_t>(row)];
        if (commentEdited(row)) reading.comment = editedComment(row);
        reading.included = m_table->item(row, Column::Exclusion)->text().isEmpty() ? 1 : 0;
    }
}

void ReadingsTableDialog::accept() {
    // A comment still being typed counts as entered.
    if (QWidget* editor = m_table->indexWidget(m_table->currentIndex()))
        QMetaObject::invokeMethod(m_table, "commitData", Qt::DirectConnection,
                                  Q_ARG(QWidget*, editor));
    if (!writeRecordFile()) {
        RecordEdits::ReportWriteFailure(this, m_record.filePath);
        return;
    }
    applyToRecord();
    QDialog::accept();
}
