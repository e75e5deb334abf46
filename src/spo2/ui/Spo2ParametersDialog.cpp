#include "Spo2ParametersDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "StringTable.h"
#include "TwoDigitEdit.h"

namespace {

// The members behind the fields, in field order.
constexpr int Spo2Parameters::*kMembers[] = {
    &Spo2Parameters::dropThreshold, &Spo2Parameters::minimumDuration,
    &Spo2Parameters::criticalLevel, &Spo2Parameters::pulseChangeThreshold,
    &Spo2Parameters::pulseMinimumDuration};

} // namespace

Spo2ParametersDialog::Spo2ParametersDialog(const Spo2Parameters& current, QWidget* parent)
    : QDialog(parent), m_parameters(current) {
    setWindowTitle(tr("分析参数"));
    // A negative threshold or duration has no meaning for an event.
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        QLineEdit* edit = NewTwoDigitEdit(kFieldIds[i], this);
        edit->setText(QString::number(current.*kMembers[i]));
        m_fields[i] = edit;
    }
    auto* spo2 = new QGroupBox(tr("血氧参数"), this);
    auto* spo2Form = new QFormLayout(spo2);
    spo2Form->addRow(tr("事件的血氧下降（%）"), m_fields[0]);
    spo2Form->addRow(tr("最小事件时长（秒）"), m_fields[1]);
    spo2Form->addRow(tr("饱和危机水平（%）"), m_fields[2]);
    auto* pulse = new QGroupBox(tr("脉率参数"), this);
    auto* pulseForm = new QFormLayout(pulse);
    pulseForm->addRow(tr("事件的脉率变化（bpm）"), m_fields[3]);
    pulseForm->addRow(tr("最小事件时长（秒）"), m_fields[4]);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &Spo2ParametersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &Spo2ParametersDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(spo2);
    layout->addWidget(pulse);
    layout->addWidget(buttons);
    m_fields[0]->setFocus();
    m_fields[0]->selectAll();
}

QLineEdit* Spo2ParametersDialog::field(int id) const {
    for (std::size_t i = 0; i < kFieldIds.size(); ++i)
        if (kFieldIds[i] == id) return m_fields[i];
    return nullptr;
}

void Spo2ParametersDialog::accept() {
    for (QLineEdit* edit : m_fields) {
        if (!edit->text().isEmpty()) continue;
        QMessageBox::warning(this, windowTitle(), StringTable::label(57632));
        edit->setFocus();
        return;
    }
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_parameters.*kMembers[i] = m_fields[i]->text().toInt();
    QDialog::accept();
}
