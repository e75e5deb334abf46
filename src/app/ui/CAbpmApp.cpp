#include "CAbpmApp.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "CAboutDlg.h"
#include "CConfigDialog.h"
#include "CIniDocument.h"
#include "CLanguageDialog.h"
#include "CMainFrame.h"
#include "COBLView.h"
#include "CRecordFileDialog.h"
#include "CUserNameDialog.h"
#include "CommandIds.h"
#include "ConfigStore.h"
#include "DeviceCommands.h"
#include "GbkText.h"
#include "Help.h"
#include "LanguageManager.h"
#include "ReportCommands.h"
#include "SaveFailed.h"
#include "Spo2TrendDisplay.h"
#include "StringTable.h"

CAbpmApp::CAbpmApp(QString programFolder, QString startFolder) {
    m_state.programFolder = QDir::toNativeSeparators(programFolder).toStdString();
    m_state.startFolder = QDir::toNativeSeparators(startFolder).toStdString();
    m_languages = std::make_unique<LanguageManager>(programFolder);
}

CAbpmApp::~CAbpmApp() = default;

QString CAbpmApp::configPath() const {
    return QDir(QString::fromStdString(m_state.startFolder)).filePath("OblCofig.ini");
}

bool CAbpmApp::initInstance() {
    const QString program = QString::fromStdString(m_state.programFolder);
    // Translators go in before any window or worker exists.
    m_languages->load(StoredLanguage(program, QStringLiteral("english")));
    m_frame = std::make_unique<CMainFrame>(m_state, *m_languages);
    m_reports = std::make_unique<ReportCommands>(m_state, configPath(), m_frame.get());
    // The full SpO2 report prints strips of the window the trend shows.
    m_reports->setSpo2Window(
        [view = m_frame->view()] { return view->spo2Trend()->trend().window; });
    registerHandlers();
    // Every start makes Config family current again and takes its patient file folder.
    ConfigStore store(configPath().toStdString());
    const ConfigStore::StartUp startUp = store.applyStartUp(ToGbk(QDir::currentPath()));
    if (!startUp.saved) ShowSaveFailed(m_frame.get(), store.filePath());
    const QString stored = FromGbk(startUp.patientFileFolder);
    m_state.currentUserName = ConfigStore::kStartUpUser;
    m_state.patientFileFolder = stored.toStdString();
    if (!QDir(stored).exists()) {
        QMessageBox::warning(m_frame.get(), tr("病例文件路径"),
                             tr("病例文件路径不存在：\n%1\n将使用当前文件夹。")
                                 .arg(QDir::toNativeSeparators(stored)));
        m_state.patientFileFolder = QDir::currentPath().toStdString();
    }
    m_state.clearRecord();
    m_frame->recordChanged();
    return true;
}

void CAbpmApp::registerHandlers() {
    CMainFrame* f = m_frame.get();
    f->setHandler(Cmd::Open, [this] { openCommand(); });
    f->setHandler(Cmd::FileCopy, [this] { copyCommand(); });
    f->setHandler(Cmd::FileDelete, [this] { deleteCommand(); });
    f->setHandler(Cmd::Language, [this] { languageCommand(); });
    f->setHandler(Cmd::Help, [f] { OpenHelp(f); });
    f->setHandler(Cmd::About, [f] { CAboutDlg(f).exec(); });
    f->setHandler(Cmd::NewUser, [this] { userNameCommand(); });

    // The recorder link.
    f->setHandler(Cmd::Download, [this] {
        // Afterwards the open dialog lists the new files, so one can be opened at once.
        if (!RunDownload(m_frame.get(), m_state).isEmpty()) openCommand();
    });
    f->setHandler(Cmd::Upload, [this] {
        RunUpload(m_frame.get(), m_state, [](QWidget* parent) { OpenHelp(parent); });
    });
    f->setHandler(Cmd::DeviceConfig,
                  [this] { ShowDeviceConfiguration(m_frame.get(), m_state.record); });
    f->setHandler(Cmd::Wearing, [f] { ShowWearingInstructions(f); });

    // The view's own commands.
    COBLView* view = f->view();
    for (int id : {int(Cmd::BpTrend), int(Cmd::RedrawAwake), int(Cmd::RedrawAsleep)})
        f->setHandler(id, [view, id] { view->selectBpTrend(id); });
    f->setHandler(Cmd::Spo2Trend, [view] { view->setDisplayMode(COBLView::Spo2Trend); });
    f->setHandler(Cmd::BarCharts, [view] { view->setDisplayMode(COBLView::BarCharts); });
    f->setHandler(Cmd::PieCharts, [view] { view->setDisplayMode(COBLView::PieCharts); });
    f->setHandler(Cmd::FitLine, [view] { view->setDisplayMode(COBLView::FitLine); });
    f->setHandler(Cmd::EditReadings, [view] { view->editReadings(); });
    f->setHandler(Cmd::Statistics, [view] { view->showStatistics(); });
    f->setHandler(Cmd::SleepPeriods, [view] { view->editSleepPeriods(); });
    f->setHandler(Cmd::PatientData, [view] { view->editPatientData(); });
    connect(view, &COBLView::recordEdited, f, &CMainFrame::recordEdited);
    connect(view, &COBLView::helpRequested, f, [f] { OpenHelp(f); });
    f->setHandler(Cmd::ConfigFolder, [this] { configCommand(CConfigDialog::ComputerPage); });
    f->setHandler(Cmd::Thresholds, [this] { configCommand(CConfigDialog::ThresholdsPage); });
    f->setHandler(Cmd::ReportConfig, [this] { configCommand(CConfigDialog::ReportPage); });

    // Printing and exports.
    ReportCommands* reports = m_reports.get();
    f->setHandler(Cmd::Print, [reports] { reports->print(); });
    f->setHandler(Cmd::PrintPreview, [reports] { reports->preview(); });
    f->setHandler(Cmd::PrinterSetup, [reports] { reports->printerSetup(); });
    f->setHandler(Cmd::SaveAsPdf, [reports] { reports->saveAsPdf(); });
    f->setHandler(Cmd::ExportCsv, [reports] { reports->exportCsv(); });
}

void CAbpmApp::configCommand(int page) {
    ConfigStore store(configPath().toStdString());
    CConfigDialog dlg(store, m_state, CConfigDialog::Page(page), m_frame.get());
    dlg.exec();
    // New thresholds show on the next paint of the view.
    if (dlg.changed()) m_frame->recordChanged();
}

void CAbpmApp::userNameCommand() {
    ConfigStore store(configPath().toStdString());
    CUserNameDialog dlg(store, m_state, m_frame.get());
    dlg.setNewUserSetup([this] { configCommand(CConfigDialog::ComputerPage); });
    dlg.exec();
}

QString CAbpmApp::patientFolderForDialogs() {
    // The open and delete dialogs go back to the folder of Config family.
    ConfigStore store(configPath().toStdString());
    m_state.currentUserName = ConfigStore::kStartUpUser;
    QString folder =
        FromGbk(store.patientFilePath(ConfigStore::SectionName(ConfigStore::kStartUpUser)));
    if (!folder.isEmpty()) m_state.patientFileFolder = folder.toStdString();
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::currentPath();
    return folder;
}

bool CAbpmApp::openRecordFile(const QString& path) {
    // The thresholds and the guideline come from the current configuration.
    const ConfigStore store(configPath().toStdString());
    const BpThresholds thresholds = store.currentThresholds();
    m_state.guideline = store.currentGuideline();
    Spo2ReadResult spo2 = Spo2ReadResult::NoData;
    const bool ok = m_state.openRecord(path.toStdString(), thresholds, &spo2);
    const QString shown = QDir::toNativeSeparators(path);
    if (!ok) {
        const bool tooLarge = QFileInfo(path).size() > qint64(CIniDocument::kMaxFileBytes);
        QMessageBox::warning(
            m_frame.get(), StringTable::text(57783),
            (tooLarge ? tr("病历文件大于 64 MB，不能打开：\n%1") : tr("无法读取病历文件：\n%1"))
                .arg(shown));
    } else if (spo2 == Spo2ReadResult::Damaged) {
        // The blood pressure is usable; the SpO2 part is left out, and the user must know.
        QMessageBox::warning(m_frame.get(), StringTable::text(57783),
                             tr("病历文件中的血氧数据已损坏，未能读取：\n%1").arg(shown));
    }
    const TestRecord& test = m_state.record.test;
    if (ok && test.readingsInFile > test.readingCount)
        QMessageBox::warning(m_frame.get(), StringTable::text(57783),
                             tr("病历文件记有 %1 个读数，只读取了前 %2 个：\n%3")
                                 .arg(test.readingsInFile)
                                 .arg(test.readingCount)
                                 .arg(shown));
    m_frame->recordChanged();
    return ok;
}

void CAbpmApp::openCommand() {
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Open, patientFolderForDialogs(), m_frame.get());
    if (dlg.exec() != QDialog::Accepted) return;
    const QStringList paths = dlg.selectedPaths();
    if (paths.isEmpty()) return;
    if (!openRecordFile(paths.first())) return;
    ConfigStore store(configPath().toStdString());
    const std::string section = store.currentSection();
    if (store.computerSettings(section).useDefaultPath == 0) {
        if (!store.setPatientFilePath(section, ToGbk(dlg.folder())))
            ShowSaveFailed(m_frame.get(), store.filePath());
        m_state.patientFileFolder = dlg.folder().toStdString();
    }
}

void CAbpmApp::copyCommand() {
    // The copy dialog starts in the current patient file folder as it is.
    QString folder = QString::fromStdString(m_state.patientFileFolder);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::currentPath();
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Copy, folder, m_frame.get());
    dlg.exec();
}

void CAbpmApp::deleteCommand() {
    // The open record may be among the files: it is unloaded first, whatever follows.
    m_state.clearRecord();
    m_frame->recordChanged();
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Delete, patientFolderForDialogs(),
                          m_frame.get());
    dlg.exec();
}

void CAbpmApp::languageCommand() {
    CLanguageDialog dlg(*m_languages, QString::fromStdString(m_state.programFolder), m_frame.get());
    if (dlg.exec() != QDialog::Accepted) return;
    m_frame->retranslate();
    // The display the user looks at stays; only its texts change.
    m_frame->view()->refresh();
    m_frame->view()->setFocus();
}
