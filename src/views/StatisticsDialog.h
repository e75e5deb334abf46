#pragma once

#include <QDialog>
#include <QString>
#include <array>

struct BpStatistics;
struct ClinicalSummary;
class QGroupBox;
class QLabel;

// The summary figures of the loaded test: counts and means per period, the share of readings
// above the thresholds, and the clinical summary. It only shows the results it is given.
class StatisticsDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kFirstControl = 1120;
    static constexpr int kValueCount = 20;

    // The twenty texts in control order 1120 ... 1139.
    static std::array<QString, kValueCount> ValueTexts(const BpStatistics& stats);

    StatisticsDialog(const BpStatistics& stats, const ClinicalSummary& clinical,
                     QWidget* parent = nullptr);

    // The label of control id 1120 ... 1139, nullptr for another id.
    QLabel* valueLabel(int controlId) const;
    QGroupBox* clinicalSection() const { return m_clinical; }

  signals:
    void helpRequested();

  private:
    std::array<QLabel*, kValueCount> m_values{};
    QGroupBox* m_clinical = nullptr;
};
