#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class FolderBrowser;
class QTreeWidget;

// The open (131), copy (133) and delete (132) dialogs: drive and folder lists, the current
// path, and the patient records of the folder with name, ID, start time and file name.
class CRecordFileDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Open, Copy, Delete };

    CRecordFileDialog(Mode mode, const QString& folder, QWidget* parent = nullptr);

    QString folder() const;
    // Full paths of the selected rows, in list order.
    QStringList selectedPaths() const;
    QTreeWidget* fileList() const { return m_files; }
    FolderBrowser* browser() const { return m_browser; }

    // Chooses the copy target; the default shows the target-folder dialog. Tests replace it.
    void setTargetChooser(std::function<std::optional<QString>()> chooser);

    // Splits message 57623's "name, width;name, width" into headers and pixel widths.
    static QList<QPair<QString, int>> ParseColumns(const QString& titles);

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void fillFiles();
    void onOk();
    void openOk();
    void copyOk();
    void deleteOk();

    Mode m_mode;
    FolderBrowser* m_browser;
    QTreeWidget* m_files;
    QStringList m_paths;
    int m_lastSelected = -1;
    std::function<std::optional<QString>()> m_chooseTarget;
};

// Shows one message naming every file an operation could not handle.
void ReportFileFailures(QWidget* parent, const QString& title, const QStringList& lines);
