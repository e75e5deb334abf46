#pragma once

#include <QDialog>

#include "MeasurementPlan.h"

class QDateEdit;
class QLineEdit;
class QTimeEdit;

// "上传参数" (dialog 249): the monitoring plan of kind 2, which sets the recorder's clock.
// Nothing of it is kept.
class MonitoringPlanDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MonitoringPlanDialog(QWidget* parent = nullptr);

    const MeasurementPlan& plan() const { return m_plan; }
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* idEdit() const { return m_id; }
    QDateEdit* dateEdit() const { return m_date; }
    QTimeEdit* timeEdit() const { return m_time; }

    void accept() override;

  private:
    QLineEdit* m_name;
    QLineEdit* m_id;
    QDateEdit* m_date;
    QTimeEdit* m_time;
    QLineEdit* m_note; // shown like the recorder's own tool does; not part of the plan
    MeasurementPlan m_plan;
};
