#pragma once

#include <QWidget>

#include "ConfigStore.h"

class CConfigDialog;
class FolderBrowser;
class QCheckBox;
class QComboBox;
struct AppState;

// Page 211: port, recorder type and the patient file folder of the current configuration.
class CComputerSettingsPage : public QWidget {
    Q_OBJECT
  public:
    CComputerSettingsPage(ConfigStore& store, AppState& state, CConfigDialog* dialog);

    QComboBox* portList() const { return m_port; }
    QComboBox* deviceList() const { return m_device; }
    QCheckBox* useDefaultPath() const { return m_useDefault; }
    FolderBrowser* browser() const { return m_browser; }

    void ok();
    void cancel();

  private:
    void load();
    ConfigStore::ComputerSettings settings() const;

    ConfigStore& m_store;
    AppState& m_state;
    CConfigDialog* m_dialog;
    QComboBox* m_port;
    QComboBox* m_device;
    FolderBrowser* m_browser;
    QCheckBox* m_useDefault;
};
