#pragma once

#include <QDialog>

#include "PatientRecord.h"

class QComboBox;

// The awake and asleep times of the loaded test, chosen in half hours and stored in its
// section of the record file.
class SleepPeriodDialog : public QDialog {
    Q_OBJECT
  public:
    SleepPeriodDialog(PatientRecord& record, QWidget* parent = nullptr);

    QComboBox* awakeList() const { return m_awake; }
    QComboBox* asleepList() const { return m_asleep; }

    // Stores both times and sets them in the loaded test. When the file cannot be written the
    // user is told and the dialog stays open; nothing changes.
    void accept() override;

  signals:
    void helpRequested();

  private:
    PatientRecord& m_record;
    QComboBox* m_awake;
    QComboBox* m_asleep;
};
