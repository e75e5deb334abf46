#include "MonitoringPlanDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QTimeEdit>

#include "DeviceMessages.h"
#include "GbkText.h"
#include "StringTable.h"

MonitoringPlanDialog::MonitoringPlanDialog(QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_id(new QLineEdit(this)),
      m_date(new QDateEdit(QDate::currentDate(), this)),
      m_time(new QTimeEdit(QTime::currentTime(), this)), m_note(new QLineEdit(this)) {
    setWindowTitle(tr("上传参数"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &MonitoringPlanDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("病人姓名"), m_name);
    form->addRow(tr("病人 ID"), m_id);
    form->addRow(tr("日期"), m_date);
    form->addRow(tr("时间"), m_time);
    form->addRow(tr("备注"), m_note);
    form->addRow(buttons);
}

void MonitoringPlanDialog::accept() {
    if (!DeviceMessages::PatientGiven(this, m_name->text(), m_id->text())) return;
    const QDate d = m_date->date();
    const QTime t = m_time->time();
    // The fields hold 30 and 11 bytes; the plan cuts without splitting a character.
    m_plan = MeasurementPlan::Monitoring(
        ToGbk(m_name->text()), ToGbk(m_id->text()),
        {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()});
    if (DeviceMessages::Ask(this, QMessageBox::Warning, StringTable::label(57625),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QDialog::accept();
}
