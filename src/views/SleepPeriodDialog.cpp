#include "SleepPeriodDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "RecordEdits.h"
#include "SleepPeriods.h"

namespace {

QComboBox* SlotList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (int slot = 0; slot < SleepPeriods::kSlotCount; ++slot)
        list->addItem(QString::fromStdString(SleepPeriods::SlotText(slot)));
    return list;
}

// A stored slot outside the day would leave the list without a choice; the default stands in.
int Selectable(int slot, int fallback) {
    return SleepPeriods::IsValidSlot(slot) ? slot : fallback;
}

} // namespace

SleepPeriodDialog::SleepPeriodDialog(PatientRecord& record, QWidget* parent)
    : QDialog(parent), m_record(record), m_awake(SlotList(this)), m_asleep(SlotList(this)) {
    setWindowTitle(tr("睡眠时期"));
    SleepPeriods::Slots stored;
    SleepPeriods::Read(record.filePath, record.test.section, stored);
    m_awake->setCurrentIndex(Selectable(stored.awake, SleepPeriods::kDefaultAwakeSlot));
    m_asleep->setCurrentIndex(Selectable(stored.asleep, SleepPeriods::kDefaultAsleepSlot));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &SleepPeriodDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &SleepPeriodDialog::helpRequested);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("非睡眠"), this), 0, 0);
    grid->addWidget(new QLabel(tr("睡眠"), this), 0, 1);
    grid->addWidget(m_awake, 1, 0);
    grid->addWidget(m_asleep, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
}

void SleepPeriodDialog::accept() {
    SleepPeriods::Slots chosen;
    chosen.awake = m_awake->currentIndex();
    chosen.asleep = m_asleep->currentIndex();
    if (!SleepPeriods::Write(m_record.filePath, chosen, m_record.test)) {
        RecordEdits::ReportWriteFailure(this, m_record.filePath);
        return;
    }
    QDialog::accept();
}
