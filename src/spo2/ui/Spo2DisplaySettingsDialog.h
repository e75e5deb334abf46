#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// The length of a manually chosen SpO2 trend window, in hours and minutes, or the whole
// series ("全部数据").
class Spo2DisplaySettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens with the hours and minutes of the current window.
    Spo2DisplaySettingsDialog(int window, int seriesLength, QWidget* parent = nullptr);

    QLineEdit* hoursEdit() const { return m_hours; }
    QLineEdit* minutesEdit() const { return m_minutes; }
    QCheckBox* allDataBox() const { return m_allData; }
    // The chosen window in seconds, once accepted.
    int window() const { return m_window; }

    // Both fields empty (without "全部数据") says so and keeps the dialog open.
    void accept() override;

  signals:
    void helpRequested();

  private:
    QLineEdit* m_hours;
    QLineEdit* m_minutes;
    QCheckBox* m_allData;
    int m_seriesLength;
    int m_window;
};
