#pragma once

#include <QWidget>

#include "ReportConfig.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// Tab 208 of the layout editor: the layout's name (typed only for a new layout), one check box
// per page kind and the SpO2 report type.
class CPageSelectionTab : public QWidget {
    Q_OBJECT
  public:
    CPageSelectionTab(const ReportConfig& layout, bool isNew, QWidget* parent);

    QLineEdit* nameEdit() const { return m_name; }
    QCheckBox* pageBox(int kind) const { return m_pages[kind]; }
    QCheckBox* spo2Box() const { return m_spo2; }
    // Summary, full analysis, quantitative, with histograms: "Spo2 Page" 1 to 4.
    QRadioButton* spo2Radio(int index) const;

    // The name of a new layout (trimmed), the page flags and the SpO2 choice into the layout.
    void store(ReportConfig& layout) const;

  private:
    void setSpo2(int report);

    QLineEdit* m_name;
    QCheckBox* m_pages[PageKinds::kPageKeys.size()];
    QCheckBox* m_spo2;
    QButtonGroup* m_spo2Types;
};
