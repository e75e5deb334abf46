#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs act on the first visible top-level widget of type Dialog once the event loop of a modal
// exec reaches it; the dialog is then driven and closed by act.
template <class Dialog> void WhenShown(std::function<void(Dialog*)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(w);
            if (!dialog || !dialog->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            act(dialog);
            return;
        }
    });
    timer->start();
}
