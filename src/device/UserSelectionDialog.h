#pragma once

#include <QDialog>

class QComboBox;

// Which recorder memory to download (dialog 278). Only the memories the recorder has a command
// for are offered: users 1 to 3 and all users.
class UserSelectionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UserSelectionDialog(QWidget* parent = nullptr);
    // 1, 2, 3 or 4 (all users).
    int selection() const;

  private:
    QComboBox* m_users;
};
