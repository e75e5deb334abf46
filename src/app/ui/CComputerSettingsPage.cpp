#include "CComputerSettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppState.h"
#include "CConfigDialog.h"
#include "ConfigStore.h"
#include "DeviceSettings.h"
#include "FolderBrowser.h"
#include "GbkText.h"
#include "Help.h"
#include "SaveFailed.h"

namespace {

// Device paths of "Extra Ports" (";"-separated), offered after the five COM entries so a
// recorder on a USB adapter or a simulated one can be named; "Port" stays the list position.
QStringList ExtraPorts(const ConfigStore& store, const std::string& section) {
    QStringList ports;
    const QString stored = FromGbk(DeviceSettings(store.filePath(), section).extraPorts());
    for (const QString& p : stored.split(';'))
        if (!p.trimmed().isEmpty()) ports << p.trimmed();
    return ports;
}

} // namespace

CComputerSettingsPage::CComputerSettingsPage(ConfigStore& store, AppState& state,
                                             CConfigDialog* dialog)
    : QWidget(dialog), m_store(store), m_state(state), m_dialog(dialog),
      m_port(new QComboBox(this)), m_device(new QComboBox(this)),
      m_browser(new FolderBrowser(this)),
      m_useDefault(new QCheckBox(tr("总是使用默认路径"), this)) {
    auto* layout = new QVBoxLayout(this);
    auto* connection = new QGroupBox(tr("连接设置"), this);
    auto* form = new QFormLayout(connection);
    form->addRow(tr("端口"), m_port);
    form->addRow(tr("设备"), m_device);
    layout->addWidget(connection);

    auto* folder = new QGroupBox(tr("病例文件路径"), this);
    auto* folderLayout = new QVBoxLayout(folder);
    folderLayout->addWidget(m_browser, 1);
    folderLayout->addWidget(m_browser->pathLabel());
    folderLayout->addWidget(m_useDefault);
    layout->addWidget(folder, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    AddHelpButton(buttons, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CComputerSettingsPage::ok);
    connect(buttons, &QDialogButtonBox::rejected, this, &CComputerSettingsPage::cancel);
    layout->addWidget(buttons);
    load();
}

void CComputerSettingsPage::load() {
    const std::string section = m_store.currentSection();
    const ConfigStore::ComputerSettings s = m_store.computerSettings(section);
    for (const char* label : ConfigStore::kPortLabels)
        m_port->addItem(QString::fromLatin1(label));
    m_port->addItems(ExtraPorts(m_store, section));
    for (const char* label : ConfigStore::kDeviceLabels)
        m_device->addItem(QString::fromLatin1(label));
    m_port->setCurrentIndex(qBound(0, s.port, m_port->count() - 1));
    m_device->setCurrentIndex(qBound(0, s.device, m_device->count() - 1));
    m_useDefault->setChecked(s.useDefaultPath == 1);
    const QString folder = s.patientFilePath.empty() ? QString::fromStdString(m_state.startFolder)
                                                     : FromGbk(s.patientFilePath);
    m_browser->setFolder(folder);
}

ConfigStore::ComputerSettings CComputerSettingsPage::settings() const {
    ConfigStore::ComputerSettings s;
    s.patientFilePath = ToGbk(m_browser->folder());
    s.port = m_port->currentIndex();
    s.device = m_device->currentIndex();
    s.useDefaultPath = m_useDefault->isChecked() ? 1 : 0;
    return s;
}

void CComputerSettingsPage::ok() {
    if (!m_store.writeComputerSettings(m_store.currentSection(), settings())) {
        ShowSaveFailed(this, m_store.filePath());
        return;
    }
    m_state.patientFileFolder = m_browser->folder().toStdString();
    m_dialog->pageFinished(CConfigDialog::ComputerPage, true);
}

void CComputerSettingsPage::cancel() {
    // Cancel changes nothing, neither the page's values nor the report page selection.
    m_dialog->pageFinished(CConfigDialog::ComputerPage, false);
}
