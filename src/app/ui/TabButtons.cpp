#include "TabButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* MakeTabButtons(QWidget* dialog, const QStringList& titles,
                            QList<QPushButton*>& buttons, const std::function<void(int)>& show) {
    auto* row = new QHBoxLayout;
    for (int i = 0; i < titles.size(); ++i) {
        auto* button = new QPushButton(titles[i], dialog);
        // Enter belongs to the page's own OK.
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, dialog, [show, i] { show(i); });
        row->addWidget(button);
        buttons << button;
    }
    row->addStretch(1);
    return row;
}

void MarkShownTab(const QList<QPushButton*>& buttons, int shown) {
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setEnabled(i != shown);
}
