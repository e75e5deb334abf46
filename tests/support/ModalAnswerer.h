#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

// Answers modal dialogs that a widget test opens: every message box is recorded and answered
// with the given button; any other modal dialog is handed to the optional handler.
class ModalAnswerer : public QObject {
    Q_OBJECT
  public:
    explicit ModalAnswerer(int messageBoxButton);
    void setDialogHandler(std::function<void(QWidget*)> handler) {
        m_dialogHandler = std::move(handler);
    }

    QStringList texts; // message box texts, in the order they were shown

  private:
    void poll();
    QTimer m_timer;
    int m_button;
    std::function<void(QWidget*)> m_dialogHandler;
};
