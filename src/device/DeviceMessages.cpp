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
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton) {
    if (Current()) return Current()(parent, icon, text, buttons);
    QMessageBox box(icon, QCoreApplication::applicationName(), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
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

namespace {
QString FaultLine(const PortFault& f) {
    const QString port = QString::fromStdString(f.port);
    switch (f.kind) {
    case PortFault::Missing:
        return QCoreApplication::translate("DeviceMessages", "串口 %1 不存在。").arg(port);
    case PortFault::InUse:
        if (f.holder.empty())
            return QCoreApplication::translate("DeviceMessages",
                                               "串口 %1 正被另一个程序使用，请先关闭该程序。")
                .arg(port);
        return QCoreApplication::translate("DeviceMessages",
                                           "串口 %1 正被另一个程序使用（%2），请先关闭该程序。")
            .arg(port, QString::fromStdString(f.holder));
    case PortFault::NoAccess:
        return QCoreApplication::translate("DeviceMessages", "没有使用串口 %1 的权限。").arg(port);
    case PortFault::WrongAnswer:
        return QCoreApplication::translate("DeviceMessages",
                                           "串口 %1 上的设备没有回应命令（收到 %2）。")
            .arg(port, QString::asprintf("0x%02X", f.answer));
    }
    return port;
}
} // namespace

QString NoRecorderText(const std::vector<PortFault>& faults) {
    if (faults.empty()) return StringTable::label(57629);
    QStringList lines;
    for (const PortFault& f : faults)
        lines << FaultLine(f);
    return lines.join('\n') + "\n\n" +
           QCoreApplication::translate("DeviceMessages", "请排除上述问题后重试。");
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
