#pragma once

#include <QDialog>

// Dialog 100: the program's name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
