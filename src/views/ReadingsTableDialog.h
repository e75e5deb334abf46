#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include "PatientRecord.h"

class QKeyEvent;
class QPushButton;
class QTableWidget;

// The readings of the loaded test as a table in which readings are excluded (column 0) and
// commented (column 9). The table holds cell texts only; the record and its file change
// together when the dialog is confirmed.
class ReadingsTableDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kCommentLength = 25;
    static constexpr int kSummaryWidth = 125;

    struct ColumnFormat {
        QString title;
        int width = 0;
    };
    // "title,width;title,width;...": titles keep their blanks, widths ignore leading blanks.
    static QList<ColumnFormat> ParseColumns(const QString& text);

    ReadingsTableDialog(PatientRecord& record, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }
    QPushButton* okButton() const { return m_ok; }
    int excludedCount() const { return m_excluded; }
    QString summaryTitle() const;

    // Column 0: "*" <-> empty, with the summary kept current.
    void toggleExclusion(int row);
    // Column 9: opens the in-place editor over the cell.
    void editComment(int row);

    // Writes every comment and exclusion mark through one store, then updates the loaded
    // readings. When the file cannot be written the user is told, the dialog stays open and
    // the loaded readings keep their state.
    void accept() override;

  signals:
    void helpRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildColumns();
    void fillRows();
    void updateSummary();
    void onCellClicked(int row, int column);
    QString commentToStore(int row) const;
    bool commentEdited(int row) const;
    std::string editedComment(int row) const;
    bool writeRecordFile() const;
    void applyToRecord();

    PatientRecord& m_record;
    QTableWidget* m_table;
    QPushButton* m_ok;
    int m_excluded = 0;
};
