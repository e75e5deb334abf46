#pragma once

#include <QWidget>
#include <string>

#include "ReportConfig.h"

class CConfigDialog;
class ConfigStore;
class QListWidget;
class QPushButton;
struct AppState;

// Page 244: the report layouts of the current user, to edit, add, delete and make current.
class CReportPage : public QWidget {
    Q_OBJECT
  public:
    CReportPage(ConfigStore& store, AppState& state, CConfigDialog* dialog);

    QListWidget* list() const { return m_list; }
    QPushButton* deleteButton() const { return m_delete; }
    std::string reportPath() const;

    // Fills the list and selects the current layout, or the last one when none is current.
    void initialise();
    // The shown layout becomes the current one when the configuration dialog closes.
    void confirm();
    void ok();
    void cancel();
    void editLayout();
    void addLayout();
    void deleteLayout();

  private:
    QString listText() const;
    // Opens the layout editor on m_layout; true when the layout was saved.
    bool runEditor(bool isNew);

    ConfigStore& m_store;
    AppState& m_state;
    CConfigDialog* m_dialog;
    QListWidget* m_list;
    QPushButton* m_delete;
    ReportConfig m_layout; // the layout being edited
};
