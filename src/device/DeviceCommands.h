#pragma once

#include <QStringList>
#include <functional>

class QWidget;
struct AppState;
struct PatientRecord;

// The recorder commands of the main window. Each runs its dialogs modally and returns when
// the exchange with the recorder is over.

// Download (command 32812): asks which memory, downloads it into the patient file folder and
// returns the paths of the record files written, so the caller can offer to open one.
QStringList RunDownload(QWidget* parent, AppState& state);

// Plan upload (command 65535): recorder choice, plan dialog, upload. openHelp serves the plan
// dialog's help button. True when the recorder acknowledged the whole plan.
bool RunUpload(QWidget* parent, AppState& state,
               const std::function<void(QWidget*)>& openHelp = {});

// Recorder configuration of the loaded record (command 32910); message 57708 without one.
void ShowDeviceConfiguration(QWidget* parent, const PatientRecord& record);

// Wearing instructions (command 32821).
void ShowWearingInstructions(QWidget* parent);
