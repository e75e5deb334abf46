#pragma once

#include <QDialog>

class ConfigStore;
class QButtonGroup;
class QStackedWidget;
struct AppState;

// Dialog 241: the configuration pages behind tab buttons: computer settings (page 0), report
// configuration (page 1, when available) and thresholds (page 2). Opened on one page; OK or
// Cancel on that page also closes the dialog.
class CConfigDialog : public QDialog {
    Q_OBJECT
  public:
    enum Page { ComputerPage = 0, ReportPage = 1, ThresholdsPage = 2 };

    CConfigDialog(ConfigStore& store, AppState& state, Page startPage, QWidget* parent = nullptr);

    Page startPage() const { return m_startPage; }
    QWidget* page(Page page) const;
    void showPage(Page page);
    // Set by a page that stored new values.
    bool changed() const { return m_changed; }
    void setChanged() { m_changed = true; }
    // A page confirmed or cancelled: closes the dialog when it was opened on that page.
    void pageFinished(Page page, bool accepted);

  private:
    Page m_startPage;
    QStackedWidget* m_pages;
    QButtonGroup* m_tabs;
    bool m_changed = false;
};
