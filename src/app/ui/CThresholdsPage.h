#pragma once

#include <QWidget>

class CConfigDialog;
class ConfigStore;
class QComboBox;
class QLineEdit;
struct AppState;

// Page 233: the four blood-pressure thresholds of the current configuration and the guideline
// that judges its clinical summary.
class CThresholdsPage : public QWidget {
    Q_OBJECT
  public:
    CThresholdsPage(ConfigStore& store, AppState& state, CConfigDialog* dialog);

    // Awake systolic, asleep systolic, awake diastolic, asleep diastolic.
    QLineEdit* field(int index) const { return m_fields[index]; }
    // The guideline of the clinical summary: ESH 2023, ACC/AHA 2017.
    QComboBox* guidelineList() const { return m_guideline; }
    void ok();
    void defaults();

  private:
    ConfigStore& m_store;
    AppState& m_state;
    CConfigDialog* m_dialog;
    QLineEdit* m_fields[4];
    QComboBox* m_guideline;
};
