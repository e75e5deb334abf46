#pragma once

#include <QWidget>

class CConfigDialog;
class ConfigStore;
class QLineEdit;
struct AppState;

// Page 233: the four blood-pressure thresholds of the current configuration.
class CThresholdsPage : public QWidget {
    Q_OBJECT
  public:
    CThresholdsPage(ConfigStore& store, AppState& state, CConfigDialog* dialog);

    // Awake systolic, asleep systolic, awake diastolic, asleep diastolic.
    QLineEdit* field(int index) const { return m_fields[index]; }
    void ok();
    void defaults();

  private:
    ConfigStore& m_store;
    AppState& m_state;
    CConfigDialog* m_dialog;
    QLineEdit* m_fields[4];
};
