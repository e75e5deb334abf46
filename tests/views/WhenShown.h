#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs act on the first modal dialog of type Dialog that opens; act drives and closes it.
template <class Dialog> void WhenShown(std::function<void(Dialog*)> act) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start(0);
}
