#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

ModalAnswerer::ModalAnswerer(int messageBoxButton) : m_button(messageBoxButton) {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(10);
}

void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        texts << box->text();
        QAbstractButton* button = box->button(QMessageBox::StandardButton(m_button));
        if (!button && !box->buttons().isEmpty()) button = box->buttons().first();
        if (button)
            button->click();
        else
            box->done(0);
        return;
    }
    if (m_dialogHandler && !modal->property("answered").toBool()) {
        modal->setProperty("answered", true);
        m_dialogHandler(modal);
    }
}
