#pragma once

#include <QDialog>
#include <ctime>
#include <functional>

#include "DeviceSettings.h"
#include "MeasurementPlan.h"

class QComboBox;
class QLabel;
class QLineEdit;
class PlanClockFace;

// "上传参数" (dialog 130): the ambulatory measurement plan for kinds 0 and 1. It starts from the
// choices kept in the current configuration and keeps them again when the user confirms.
class AmbulatoryPlanDialog : public QDialog {
    Q_OBJECT
  public:
    using Clock = std::function<std::time_t()>;

    AmbulatoryPlanDialog(RecorderKind kind, DeviceSettings settings, Clock clock,
                         QWidget* parent = nullptr);

    // Valid after the dialog was accepted.
    const MeasurementPlan& plan() const { return m_plan; }
    PlanChoices choices() const;

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* idEdit() const { return m_id; }
    // Named by key: "Awake Time", "Awake Span", "Asleep Time", "Asleep Span", "Special Start",
    // "Special End", "Special Span", "Start Key", "Display", and "Max Pressure", "State".
    QComboBox* list(const QString& key) const;
    PlanClockFace* clockFace() const { return m_clock; }

    void accept() override;

  signals:
    void helpRequested();

  private:
    QComboBox* addList(const QString& key, const QStringList& entries);
    void buildLayout();
    void showChoices(const PlanChoices& choices);
    void refreshTimes();
    void refreshClock();

    RecorderKind m_kind;
    DeviceSettings m_settings;
    Clock m_now;
    QLineEdit* m_name;
    QLineEdit* m_id;
    QLabel* m_currentTime;
    QLabel* m_startTime;
    PlanClockFace* m_clock;
    QMap<QString, QComboBox*> m_lists;
    MeasurementPlan m_plan;
};
