#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <string>
#include <vector>

// A several-line text field of the patient sheet, optionally limited to a number of
// characters. Its lines are the text split at line ends.
class MultiLineField : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MultiLineField(int maxLength = 0, QWidget* parent = nullptr);

    int maxLength() const { return m_maxLength; }
    // No lines for an empty field.
    QStringList lines() const;

    // Shows lines read from a file (GBK). A loaded text longer than the limit is shown whole;
    // typing cannot make it longer.
    void setStoredLines(const std::vector<std::string>& lines);
    // The lines to write: all of them as read while the text is as shown, otherwise each line
    // the user left as it was as read and the others encoded anew.
    std::vector<std::string> linesToStore() const;

  private:
    void enforceLimit();

    int m_maxLength;
    int m_limit; // m_maxLength, or the length of a longer loaded text
    std::vector<std::string> m_stored;
    QStringList m_storedShown;
};
