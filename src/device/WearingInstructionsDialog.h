#pragma once

#include <QDialog>

class QPlainTextEdit;

// "佩戴" (dialog 273): how to wear the recorder, a picture and the instruction text.
class WearingInstructionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit WearingInstructionsDialog(QWidget* parent = nullptr);

    // Texts 57813 to 57818 joined in order; each ends with a blank line.
    static QString InstructionText();
    QString shownText() const;

  private:
    QPlainTextEdit* m_text;
};
