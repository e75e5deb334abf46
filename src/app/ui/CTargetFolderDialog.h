#pragma once

#include <QDialog>

class FolderBrowser;

// Chooses the folder a copy goes to (dialog 213).
class CTargetFolderDialog : public QDialog {
    Q_OBJECT
  public:
    CTargetFolderDialog(const QString& folder, QWidget* parent = nullptr);
    QString folder() const;
    FolderBrowser* browser() const { return m_browser; }

  private:
    FolderBrowser* m_browser;
};
