#include "DeviceCommands.h"

#include <QDir>
#include <ctime>

#include "AmbulatoryPlanDialog.h"
#include "AppState.h"
#include "ConfigStore.h"
#include "DeviceChoiceDialog.h"
#include "DeviceConfigurationDialog.h"
#include "DeviceMessages.h"
#include "DownloadProgressDialog.h"
#include "MonitoringPlanDialog.h"
#include "StringTable.h"
#include "UploadProgressDialog.h"
#include "UserSelectionDialog.h"
#include "WearingInstructionsDialog.h"

namespace {

struct LinkSettings {
    DeviceSettings device;
    QString extraPorts;
    QString tracePath;
};

// The current configuration's link keys, read when a command starts.
LinkSettings ReadLinkSettings(const AppState& state) {
    const ConfigStore store = ConfigStore::InFolder(state.startFolder);
    DeviceSettings device(store.filePath(), store.currentSection());
    const QString trace = device.tracePort() ? QDir(QString::fromStdString(state.startFolder))
                                                   .filePath(QStringLiteral("PortTrace.log"))
                                             : QString();
    return {device, QString::fromStdString(device.extraPorts()), trace};
}

QString DownloadFolder(const AppState& state) {
    if (!state.patientFileFolder.empty()) return QString::fromStdString(state.patientFileFolder);
    return QDir::currentPath();
}

// The plan of the chosen kind, or an empty optional when the user cancelled.
std::optional<MeasurementPlan> AskPlan(QWidget* parent, RecorderKind kind,
                                       const DeviceSettings& settings,
                                       const std::function<void(QWidget*)>& openHelp) {
    if (kind == RecorderKind::VeloraMonitoring) {
        MonitoringPlanDialog dialog(parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.plan();
    }
    AmbulatoryPlanDialog dialog(
        kind, settings, [] { return std::time(nullptr); }, parent);
    if (openHelp)
        QObject::connect(&dialog, &AmbulatoryPlanDialog::helpRequested, &dialog,
                         [&dialog, openHelp] { openHelp(&dialog); });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.plan();
}

} // namespace

QStringList RunDownload(QWidget* parent, AppState& state) {
    UserSelectionDialog selection(parent);
    if (selection.exec() != QDialog::Accepted) return {};
    const LinkSettings link = ReadLinkSettings(state);
    DownloadProgressDialog progress(
        {selection.selection(), DownloadFolder(state), link.extraPorts, link.tracePath}, parent);
    progress.exec();
    return progress.savedFiles();
}

bool RunUpload(QWidget* parent, AppState& state, const std::function<void(QWidget*)>& openHelp) {
    DeviceChoiceDialog choice(parent);
    if (choice.exec() != QDialog::Accepted) return false;
    const LinkSettings link = ReadLinkSettings(state);
    const std::optional<MeasurementPlan> plan =
        AskPlan(parent, choice.kind(), link.device, openHelp);
    if (!plan) return false;
    UploadProgressDialog progress({*plan, link.extraPorts, link.tracePath}, parent);
    progress.exec();
    return progress.outcome() == UploadOutcome::Done;
}

void ShowDeviceConfiguration(QWidget* parent, const PatientRecord& record) {
    if (!record.isLoaded) {
        DeviceMessages::Ask(parent, QMessageBox::Warning, StringTable::label(57708));
        return;
    }
    DeviceConfigurationDialog dialog(DeviceConfigurationDialog::BuildText(record.filePath), parent);
    dialog.exec();
}

void ShowWearingInstructions(QWidget* parent) {
    WearingInstructionsDialog dialog(parent);
    dialog.exec();
}
