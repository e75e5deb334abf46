#pragma once

#include <QList>
#include <QStringList>
#include <functional>

class QHBoxLayout;
class QPushButton;
class QWidget;

// A row of buttons that switch a dialog between its pages: button i calls show(i). The row
// ends in a stretch, so the buttons stand at the left.
QHBoxLayout* MakeTabButtons(QWidget* dialog, const QStringList& titles,
                            QList<QPushButton*>& buttons, const std::function<void(int)>& show);
// The shown page's button is greyed, the others usable; -1 leaves all usable.
void MarkShownTab(const QList<QPushButton*>& buttons, int shown);
