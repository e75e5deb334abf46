#pragma once

#include <QWidget>
#include <string>

class QPlainTextEdit;

// Tab 246 of the layout editor: the report title, at most 100 characters typed. The title is
// printed on one line, so line breaks are kept as blanks.
class CReportTitleTab : public QWidget {
    Q_OBJECT
  public:
    CReportTitleTab(const std::string& title, QWidget* parent);

    QPlainTextEdit* editor() const { return m_edit; }
    std::string title() const;

  private:
    void limitLength();

    QPlainTextEdit* m_edit;
    QString m_accepted; // the text before the last change
    std::string m_loaded;
    QString m_loadedText;
};
