#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "AppState.h"

class CMainFrame;
class LanguageManager;
class ReportCommands;

// The application: start-up in its fixed order, the state of the run, and the handlers of the
// commands that belong to the shell (records, configuration, language, help).
class CAbpmApp : public QObject {
    Q_OBJECT
  public:
    // programFolder: where the executable, its language packs and manual are;
    // startFolder: the working folder, where the configuration files are kept.
    CAbpmApp(QString programFolder, QString startFolder);
    ~CAbpmApp() override;

    // Loads the language, makes "family" the current configuration, takes the patient file
    // folder and builds the main window. Messages that need the user's attention are shown.
    bool initInstance();

    AppState& state() { return m_state; }
    CMainFrame* frame() const { return m_frame.get(); }
    LanguageManager& languages() { return *m_languages; }
    ReportCommands& reports() { return *m_reports; }
    QString configPath() const;

    // Clears the record and loads the file; reports a file that cannot be read.
    bool openRecordFile(const QString& path);

    void openCommand();
    void copyCommand();
    void deleteCommand();
    void languageCommand();
    void configCommand(int page);
    void userNameCommand();

  private:
    void registerHandlers();
    QString patientFolderForDialogs();

    AppState m_state;
    std::unique_ptr<LanguageManager> m_languages;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<ReportCommands> m_reports;
};
