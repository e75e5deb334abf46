#pragma once

#include <QDialog>
#include <QList>
#include <string>

#include "ReportConfig.h"

class CPageSelectionTab;
class CReportTitleTab;
class QPushButton;
class QVBoxLayout;

// Dialog 245: edits one report layout in three tabs (pages, title, graph). Switching tabs
// replaces the tab shown; the pages and title tabs leave their state in the layout when they
// go. OK in any tab checks the layout and saves it into the report configuration file.
class CReportLayoutDialog : public QDialog {
    Q_OBJECT
  public:
    enum Tab { PagesTab = 0, TitleTab = 1, GraphTab = 2 };

    // layout: what the tabs show and change; for a new layout the name is typed in the pages
    // tab, and OK appends it to the file's list.
    CReportLayoutDialog(std::string reportPath, ReportConfig& layout, bool isNew,
                        const QString& userName, QWidget* parent = nullptr);

    void showTab(Tab tab);
    Tab shownTab() const { return m_shown; }
    QPushButton* tabButton(Tab tab) const { return m_tabButtons[tab]; }
    // The tab shown now; null for the others.
    CPageSelectionTab* pagesTab() const;
    CReportTitleTab* titleTab() const;

    void ok();

  private:
    // Leaves the shown tab's state in the layout.
    void storeShownTab();
    // The message that refuses the layout, empty when it can be saved.
    QString refusal() const;

    std::string m_reportPath;
    ReportConfig& m_layout;
    bool m_isNew;
    Tab m_shown = PagesTab;
    QWidget* m_tab = nullptr;
    QVBoxLayout* m_tabArea;
    QList<QPushButton*> m_tabButtons;
};
