#include "DeviceChoiceDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DeviceMessages.h"
#include "StringTable.h"

DeviceChoiceDialog::DeviceChoiceDialog(QWidget* parent)
    : QDialog(parent), m_zem(new QRadioButton(QStringLiteral("ZEM-ABPM"), this)),
      m_velora(new QRadioButton(QStringLiteral("VELORA07"), this)),
      m_states(new QListWidget(this)) {
    setWindowTitle(tr("设备状态选择"));
    m_states->addItems({StringTable::label(57720), StringTable::label(57721)});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &DeviceChoiceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_zem, &QRadioButton::clicked, this, &DeviceChoiceDialog::chooseZem);
    connect(m_velora, &QRadioButton::clicked, this, &DeviceChoiceDialog::chooseVelora);
    connect(m_states, &QListWidget::itemDoubleClicked, this, &DeviceChoiceDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_zem);
    layout->addWidget(m_velora);
    layout->addWidget(m_states);
    layout->addWidget(buttons);

    m_velora->setChecked(true);
    m_states->setEnabled(true);
    m_states->setCurrentRow(0);
}

void DeviceChoiceDialog::chooseZem() {
    m_states->setEnabled(false);
}

void DeviceChoiceDialog::chooseVelora() {
    m_states->setEnabled(true);
    m_states->setFocus();
    m_states->setCurrentRow(0);
}

void DeviceChoiceDialog::accept() {
    if (m_zem->isChecked()) {
        m_kind = RecorderKind::ZemAbpm;
    } else {
        const int row = m_states->currentItem() && m_states->currentItem()->isSelected()
                            ? m_states->currentRow()
                            : -1;
        if (row < 0) {
            DeviceMessages::Ask(this, QMessageBox::Warning, StringTable::label(57722));
            return;
        }
        m_kind = row == 0 ? RecorderKind::VeloraAmbulatory : RecorderKind::VeloraMonitoring;
    }
    QDialog::accept();
}
