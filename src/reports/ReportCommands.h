#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;
class ReportRun;
struct AppState;
struct ReportOptions;

// What a print, preview or PDF run of the window prints: the pages and the title of the
// current configuration in configPath, and the period and bands of the charts on screen.
ReportOptions WindowReportOptions(const AppState& state, const QString& configPath);

// The report menu's print, preview, printer setup and PDF commands and the readings export of
// the file menu. The program keeps one printer for the whole run, so a paper or printer chosen
// in the setup stays chosen.
class ReportCommands {
    Q_DECLARE_TR_FUNCTIONS(ReportCommands)
  public:
    // configPath: "OblCofig.ini" of the start folder, whose current configuration selects the
    // pages; window: the main window, parent of every dialog.
    ReportCommands(AppState& state, QString configPath, QWidget* window);
    ~ReportCommands();

    void print();        // 32908: the print dialog with the page range, then printing
    void preview();      // 32809: the pages one at a time
    void printerSetup(); // 57606
    void saveAsPdf();    // the same pages into a PDF file, A4 unless a paper was chosen
    void exportCsv();    // the readings of the loaded test as CSV

    QPrinter& printer() { return *m_printer; }

  private:
    // A run over the loaded record, or nullptr after telling the user that no page is
    // selected.
    std::unique_ptr<ReportRun> prepare();
    QString askSaveName(const QString& title, const QString& filter, const QString& suffix);

    AppState& m_state;
    QString m_configPath;
    QWidget* m_window;
    std::unique_ptr<QPrinter> m_printer;
    bool m_paperChosen = false;
};
