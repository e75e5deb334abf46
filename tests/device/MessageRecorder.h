#pragma once

#include <QMessageBox>
#include <QStringList>

#include "DeviceMessages.h"

// Takes the place of the link's message boxes for one test: records each text and answers
// with the given button (the first offered one when no answer is queued).
struct MessageRecorder {
    MessageRecorder() {
        DeviceMessages::SetHandler([this](QWidget*, QMessageBox::Icon, const QString& text,
                                          QMessageBox::StandardButtons buttons) {
            texts << text;
            if (!answers.isEmpty()) return answers.takeFirst();
            for (int bit = 1; bit; bit <<= 1)
                if (buttons & bit) return static_cast<QMessageBox::StandardButton>(bit);
            return QMessageBox::Ok;
        });
    }
    ~MessageRecorder() { DeviceMessages::SetHandler({}); }
    QStringList texts;
    QList<QMessageBox::StandardButton> answers;
};
