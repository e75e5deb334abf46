#pragma once

#include <QMessageBox>
#include <functional>
#include <vector>

#include "PortProbe.h"

// Every message box of the recorder link goes through here, so that widget tests can answer
// them instead of blocking on a modal box.
namespace DeviceMessages {

using Handler = std::function<QMessageBox::StandardButton(QWidget* parent, QMessageBox::Icon icon,
                                                          const QString& text,
                                                          QMessageBox::StandardButtons buttons)>;

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Replaces the real message box (tests only); an empty handler restores it.
void SetHandler(Handler handler);

// A string-table format filled like printf ("%s" takes UTF-8, "%d" an int).
QString Format(int id, const QByteArray& text);
QString Format(int id, int a, int b = 0);

// The Retry/Cancel question when no recorder answered: 57629, or, when candidates were
// missing, held by another program or answered wrongly, what happened to each of them.
QString NoRecorderText(const std::vector<PortFault>& faults);

// The plan dialogs need a patient name (57620) and an identifier (57621); false after showing
// the message for the first one missing.
bool PatientGiven(QWidget* parent, const QString& name, const QString& id);

} // namespace DeviceMessages
