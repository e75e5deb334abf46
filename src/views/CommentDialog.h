#pragma once

#include <QDialog>

class QLineEdit;

// The comment of one reading, edited from the trend graph: one line, at most 30 characters
// typed.
class CommentDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMaxLength = 30;

    explicit CommentDialog(const QString& comment, QWidget* parent = nullptr);
    QString comment() const;
    QLineEdit* editor() const { return m_edit; }

  signals:
    void helpRequested();

  private:
    QLineEdit* m_edit;
};
