#pragma once

#include <QDialog>

#include "MeasurementPlan.h"

class QListWidget;
class QListWidgetItem;
class QRadioButton;

// "设备状态选择" (dialog 248): which recorder, and for the VELORA07 which kind of plan.
class DeviceChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DeviceChoiceDialog(QWidget* parent = nullptr);

    RecorderKind kind() const { return m_kind; }
    QRadioButton* zemButton() const { return m_zem; }
    QRadioButton* veloraButton() const { return m_velora; }
    QListWidget* stateList() const { return m_states; }

    void accept() override;

  private:
    void chooseZem();
    void chooseVelora();

    QRadioButton* m_zem;
    QRadioButton* m_velora;
    QListWidget* m_states;
    RecorderKind m_kind = RecorderKind::VeloraAmbulatory;
};
