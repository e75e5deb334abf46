#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

// Drive list, folder list and current-path label, as the record and folder dialogs share them.
// The "drives" are the platform's roots: drive letters on Windows; on Linux "/", the user's
// home folder and mounted removable media.
class FolderBrowser : public QWidget {
    Q_OBJECT
  public:
    explicit FolderBrowser(QWidget* parent = nullptr);

    void setFolder(const QString& folder);
    QString folder() const { return m_folder; }

    QComboBox* driveList() const { return m_drives; }
    QListWidget* folderList() const { return m_folders; }
    QLabel* pathLabel() const { return m_path; }

    static QStringList PlatformRoots();

  signals:
    // A drive was chosen: its root is listed.
    void driveChosen(const QString& root);
    // A folder entry was entered by a double click.
    void folderEntered(const QString& folder);

  private:
    void listFolder(const QString& folder);
    void selectDriveOf(const QString& folder);
    void onDriveActivated(int index);
    void onFolderActivated(QListWidgetItem* item);

    QComboBox* m_drives;
    QListWidget* m_folders;
    QLabel* m_path;
    QString m_folder;
};
