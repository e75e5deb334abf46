#pragma once

#include <QDialog>
#include <QList>
#include <string>

class ConfigStore;
class CReportPage;
class QPushButton;
class QStackedWidget;
struct AppState;

// Dialog 241: the computer settings (page 0) and report (page 1) pages behind their tab
// buttons, and the thresholds page (page 2), reached from its menu command only. OK or Cancel
// on the shown page closes the dialog. A confirmed report page or layout editor makes the
// chosen layout current when the dialog closes.
class CConfigDialog : public QDialog {
    Q_OBJECT
  public:
    enum Page { ComputerPage = 0, ReportPage = 1, ThresholdsPage = 2 };

    CConfigDialog(ConfigStore& store, AppState& state, Page startPage, QWidget* parent = nullptr);

    Page shownPage() const;
    QWidget* page(Page page) const;
    QPushButton* tabButton(Page page) const;
    void showPage(Page page);
    // Set by a page that stored new values.
    bool changed() const { return m_changed; }
    void setChanged() { m_changed = true; }
    // A page confirmed or cancelled: closes the dialog when it is the page shown.
    void pageFinished(Page page, bool accepted);

    // The layout that becomes current when the dialog closes, while the flag is set.
    bool reportConfirmed() const { return m_reportConfirmed; }
    void setReportConfirmed(bool confirmed) { m_reportConfirmed = confirmed; }
    void setCurrentReportName(const std::string& name) { m_currentReportName = name; }

    void done(int result) override;

  protected:
    // Escape and the close box are the shown page's Cancel.
    void reject() override;

  private:
    bool applyReport();

    ConfigStore& m_store;
    AppState& m_state;
    QStackedWidget* m_pages;
    QList<QPushButton*> m_tabs;
    CReportPage* m_reportPage;
    bool m_changed = false;
    bool m_reportConfirmed = false;
    std::string m_currentReportName;
};
