#include "PlanLists.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "GbkText.h"
#include "PlanChoices.h"

namespace PlanLists {
QStringList HalfHours() {
    QStringList out;
    for (int i = 0; i < 48; ++i)
        out << QStringLiteral("%1:%2").arg(i / 2).arg(i % 2 ? "30" : "00");
    return out;
}

QStringList SpecialTimes() {
    return QStringList{QCoreApplication::translate("AmbulatoryPlanDialog", "无")} + HalfHours();
}

QStringList Intervals() {
    QStringList out{QCoreApplication::translate("AmbulatoryPlanDialog", "无")};
    for (int p = 1; p < 10; ++p)
        out << QCoreApplication::translate("AmbulatoryPlanDialog", "%1 分钟")
                   .arg(PlanChoices::IntervalMinutes(p));
    return out;
}

QStringList OnOff() {
    return {QCoreApplication::translate("AmbulatoryPlanDialog", "开"),
            QCoreApplication::translate("AmbulatoryPlanDialog", "关")};
}

QStringList MaxPressures() {
    QStringList out;
    for (int p = 120; p <= 280; p += 20)
        out << QStringLiteral("%1 mmHg").arg(p);
    return out;
}

QStringList States() {
    return {QCoreApplication::translate("AmbulatoryPlanDialog", "动态血压"),
            QCoreApplication::translate("AmbulatoryPlanDialog", "监护")};
}

void LimitGbkBytes(QLineEdit* edit, int maxBytes) {
    edit->setMaxLength(maxBytes);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, maxBytes](const QString& text) {
        QString cut = text;
        while (!cut.isEmpty() && static_cast<int>(ToGbk(cut).size()) > maxBytes)
            cut.chop(1);
        if (cut != text) edit->setText(cut);
    });
}

} // namespace PlanLists
