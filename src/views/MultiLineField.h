#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A several-line text field of the patient sheet, optionally limited to a number of
// characters. Its lines are the text split at line ends.
class MultiLineField : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MultiLineField(int maxLength = 0, QWidget* parent = nullptr);

    int maxLength() const { return m_maxLength; }
    void setLines(const QStringList& lines);
    // No lines for an empty field.
    QStringList lines() const;

  private:
    void enforceLimit();

    int m_maxLength;
};
