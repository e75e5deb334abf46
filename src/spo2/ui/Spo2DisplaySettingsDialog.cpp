#include "Spo2DisplaySettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "StringTable.h"

namespace {

// Two digits at most: a count of hours or minutes, never negative.
QLineEdit* TwoDigitEdit(const char* id, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(id));
    edit->setMaxLength(2);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), edit));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return edit;
}

} // namespace

Spo2DisplaySettingsDialog::Spo2DisplaySettingsDialog(int window, int seriesLength, QWidget* parent)
    : QDialog(parent), m_hours(TwoDigitEdit("1170", this)), m_minutes(TwoDigitEdit("1171", this)),
      m_allData(new QCheckBox(this)), m_seriesLength(seriesLength), m_window(window) {
    setWindowTitle(tr("显示设置"));
    m_hours->setText(QString::number(window / 3600));
    m_minutes->setText(QString::number(window % 3600 / 60));
    m_allData->setObjectName(QStringLiteral("1169"));
    m_allData->setText(tr("全部数据"));
    connect(m_allData, &QCheckBox::toggled, this, [this](bool all) {
        m_hours->setEnabled(!all);
        m_minutes->setEnabled(!all);
    });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &Spo2DisplaySettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &Spo2DisplaySettingsDialog::helpRequested);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_hours, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("-"), this), 0, 1);
    grid->addWidget(m_minutes, 0, 2);
    grid->addWidget(new QLabel(tr("(时-分)"), this), 0, 3);
    grid->addWidget(m_allData, 1, 0, 1, 4);
    grid->addWidget(buttons, 2, 0, 1, 4);
    m_hours->setFocus();
    m_hours->selectAll();
}

void Spo2DisplaySettingsDialog::accept() {
    if (m_allData->isChecked()) {
        m_window = m_seriesLength;
        QDialog::accept();
        return;
    }
    if (m_hours->text().isEmpty() && m_minutes->text().isEmpty()) {
        QMessageBox::warning(this, windowTitle(), StringTable::label(57631));
        return;
    }
    // An empty field counts 0.
    m_window = (m_hours->text().toInt() * 60 + m_minutes->text().toInt()) * 60;
    QDialog::accept();
}
