#pragma once

#include <QStringList>

class QLineEdit;

// The list texts of the plan dialog, in list order.
namespace PlanLists {

QStringList HalfHours();    // "0:00", "0:30", ... "23:30"
QStringList SpecialTimes(); // "无", then the half hours
QStringList Intervals();    // "无", "5 分钟", ... "120 分钟"
QStringList OnOff();        // "开", "关"
QStringList MaxPressures(); // "120 mmHg" ... "280 mmHg"
QStringList States();       // "动态血压", "监护"

// Cuts a line edit's text to a number of GBK bytes (a character is never split), as the
// recorder's fields count bytes, not characters.
void LimitGbkBytes(QLineEdit* edit, int maxBytes);

} // namespace PlanLists
