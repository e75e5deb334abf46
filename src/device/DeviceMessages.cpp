#include "DeviceMessages.h"

#include <QCoreApplication>

#include "StringTable.h"

namespace DeviceMessages {
namespace {
Handler& Current() {
    static Handler handler;
    return handler;
}
} // namespace

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
    if (Current()) return Current()(parent, icon, text, buttons);
    QMessageBox box(icon, QCoreApplication::applicationName(), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetHandler(Handler handler) {
    Current() = std::move(handler);
}

QString Format(int id, const QByteArray& text) {
    return QString::asprintf(StringTable::text(id).toUtf8().constData(), text.constData());
}

QString Format(int id, int a, int b) {
    return QString::asprintf(StringTable::text(id).toUtf8().constData(), a, b);
}

bool PatientGiven(QWidget* parent, const QString& name, const QString& id) {
    if (name.isEmpty()) {
        Ask(parent, QMessageBox::Warning, StringTable::label(57620));
        return false;
    }
    if (id.isEmpty()) {
        Ask(parent, QMessageBox::Warning, StringTable::label(57621));
        return false;
    }
    return true;
}

} // namespace DeviceMessages
