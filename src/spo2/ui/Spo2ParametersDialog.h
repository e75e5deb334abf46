#pragma once

#include <QDialog>
#include <array>

#include "Spo2Parameters.h"

class QLineEdit;

// The event thresholds of the SpO2 analysis: drop, minimum duration and critical level for
// SpO2, change and minimum duration for the pulse.
class Spo2ParametersDialog : public QDialog {
    Q_OBJECT
  public:
    // Field ids, in the order of the fields.
    static constexpr std::array<int, 5> kFieldIds = {1172, 1173, 1174, 1175, 1002};

    explicit Spo2ParametersDialog(const Spo2Parameters& current, QWidget* parent = nullptr);

    QLineEdit* field(int id) const;
    // The values typed, once accepted.
    const Spo2Parameters& parameters() const { return m_parameters; }

    // An empty field says so and keeps the dialog open.
    void accept() override;

  signals:
    void helpRequested();

  private:
    std::array<QLineEdit*, 5> m_fields{};
    Spo2Parameters m_parameters;
};
