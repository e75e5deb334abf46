#include "Spo2DisplaySettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "StringTable.h"
#include "TwoDigitEdit.h"

Spo2DisplaySettingsDialog::Spo2DisplaySettingsDialog(int window, int seriesLength, QWidget* parent)
    : QDialog(parent), m_hours(NewTwoDigitEdit(1170, this)), m_minutes(NewTwoDigitEdit(1171, this)),
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

    auto* length = new QHBoxLayout;
    length->addWidget(m_hours);
    length->addWidget(new QLabel(QStringLiteral("-"), this));
    length->addWidget(m_minutes);
    length->addWidget(new QLabel(tr("(时-分)"), this));
    length->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(length);
    layout->addWidget(m_allData);
    layout->addWidget(buttons);
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
