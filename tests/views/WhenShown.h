#pragma once

#include <QMessageBox>
#include <functional>

#include "ModalAnswerer.h"

// Runs act on the first modal dialog of type Dialog that opens; act drives and closes it.
template <class Dialog> void WhenShown(std::function<void(Dialog*)> act) {
    auto* answerer = new ModalAnswerer(QMessageBox::Ok);
    answerer->setDialogHandler([answerer, act](QWidget* w) {
        if (auto* dialog = qobject_cast<Dialog*>(w)) {
            act(dialog);
            answerer->deleteLater();
        }
    });
}
