#include "CComputerSettingsPage.h"
#include "CConfigDialog.h"
#include "CPageSelectionTab.h"
#include "CRecordFileDialog.h"
#include "CReportLayoutDialog.h"
#include "CReportPage.h"
#include "CReportTitleTab.h"
#include "CThresholdsPage.h"
#include "CUserNameDialog.h"
#include "ReportLayouts.h"
#include "ShellFixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

// The configuration dialogs' store with the report file of "family".
struct Config : StartedStore {
    std::string path = store.reportFilePath("family");
    std::string report(const std::string& section, const std::string& key) const {
        return Value(path, section, key);
    }
};

template <typename P> P* PageOf(const CConfigDialog& dlg, CConfigDialog::Page page) {
    return static_cast<P*>(dlg.page(page));
}

CReportPage* ReportPageOf(const CConfigDialog& dlg) {
    return PageOf<CReportPage>(dlg, CConfigDialog::ReportPage);
}

// Runs `check` on the layout editor the page opens, then confirms it.
void ConfirmEditor(
    ModalAnswerer& answer,
    std::function<void(CReportLayoutDialog*)> check = [](CReportLayoutDialog*) {}) {
    answer.setDialogHandler([check](QWidget* dialog) {
        auto* editor = qobject_cast<CReportLayoutDialog*>(dialog);
        ASSERT_NE(editor, nullptr);
        check(editor);
        // Outside the answerer's own call, so that it can answer a refusal too.
        QTimer::singleShot(0, editor, [editor] {
            editor->ok();
            if (editor->isVisible()) {
                ADD_FAILURE() << "the editor refused the layout";
                editor->reject();
            }
        });
    });
}

} // namespace

TEST(ThresholdsPage, ValidatesSavesEachFieldWithTheGuidelineAndShowsThemAgain) {
    Config c;
    CConfigDialog dlg(c.store, c.state, CConfigDialog::ThresholdsPage);
    auto* page = PageOf<CThresholdsPage>(dlg, CConfigDialog::ThresholdsPage);
    // A refusal is said and saves nothing; the rules are the analysis's.
    ModalAnswerer answer(QMessageBox::Ok);
    const char* const values[] = {"120", "125", "130", "75"}; // awake systolic below diastolic
    for (int i = 0; i < 4; ++i)
        page->field(i)->setText(QString::fromLatin1(values[i]));
    page->guidelineList()->setCurrentIndex(1);
    page->ok();
    EXPECT_EQ(answer.texts, QStringList{StringTable::text(57618)});
    EXPECT_EQ(c.get("Config family", "Guideline"), "<missing>");
    page->field(0)->setText(QStringLiteral("150"));
    page->ok();
    EXPECT_EQ(dlg.result(), QDialog::Accepted); // opened on this page: OK closes it
    ExpectKeys(c.store.filePath(), "Config family",
               {"Awake Sys Thresh=150", "Asleep Sys Thresh=125", "Awake Dia Thresh=130",
                "Asleep Dia Thresh=75", "Guideline=ACCAHA2017"});
    EXPECT_EQ(c.state.record.thresholds.awakeDia, 130);
    EXPECT_EQ(c.state.guideline, ClinicalGuideline::AccAha2017);
    CConfigDialog again(c.store, c.state, CConfigDialog::ThresholdsPage);
    auto* reopened = PageOf<CThresholdsPage>(again, CConfigDialog::ThresholdsPage);
    EXPECT_EQ(reopened->field(1)->text(), QStringLiteral("125"));
    EXPECT_EQ(reopened->guidelineList()->currentText(), QStringLiteral("ACC/AHA 2017"));
}

TEST(UserNameDialog, OkAddsAndEscapeDeletesOnlyAfterYes) {
    Config c;
    int setups = 0;
    CUserNameDialog dlg(c.store, c.state);
    dlg.setNewUserSetup([&] { ++setups; });
    dlg.nameList()->setEditText(QStringLiteral("  A "));
    dlg.ok();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(setups, 1); // a new user sets up the first configuration page
    EXPECT_EQ(c.state.currentUserName, "A");
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        CUserNameDialog again(c.store, c.state);
        again.show();
        ModalAnswerer answer(button);
        QTest::keyClick(&again, Qt::Key_Escape); // Escape deletes the selected user, after asking
        EXPECT_TRUE(again.isVisible());
        EXPECT_EQ(answer.texts.size(), 1);
        EXPECT_EQ(CUserNameDialog(c.store, c.state).nameList()->count(),
                  button == QMessageBox::No ? 1 : 0);
    }
}

TEST(ConfigurationSaves, EveryFailedSaveNamesTheFile) {
    ShellFolders f;
    WriteFileBytes(f.start.file("r.awp"), ReadFileBytes(ABPM_SAMPLES_DIR "/24h-normal-dip.awp"));
    // A folder in the place of the configuration file: it reads as empty and cannot be saved.
    QDir(f.startPath()).mkdir(QStringLiteral("OblCofig.ini"));
    const QString config = Q(f.start.file("OblCofig.ini"));
    CAbpmApp app(f.startPath(), f.startPath());
    ModalAnswerer answer(QMessageBox::Ok);
    ASSERT_TRUE(app.initInstance()); // start-up
    // Each dialog must still be open after the failed save; it is then closed.
    answer.setDialogHandler([&](QWidget* dialog) {
        QTimer::singleShot(0, dialog, [dialog] {
            if (auto* users = qobject_cast<CUserNameDialog*>(dialog)) {
                users->nameList()->setEditText(QStringLiteral("A"));
                users->ok();
            } else if (auto* settings = qobject_cast<CConfigDialog*>(dialog)) {
                PageOf<CComputerSettingsPage>(*settings, CConfigDialog::ComputerPage)->ok();
            } else if (auto* open = qobject_cast<CRecordFileDialog*>(dialog)) {
                open->fileList()->setCurrentItem(open->fileList()->topLevelItem(0));
                return open->accept();
            }
            EXPECT_TRUE(dialog->isVisible());
            static_cast<QDialog*>(dialog)->done(QDialog::Rejected);
        });
    });
    app.userNameCommand();
    app.configCommand(CConfigDialog::ComputerPage);
    app.openCommand();
    EXPECT_EQ(app.state().record.isLoaded, 1);
    ASSERT_EQ(answer.texts.size(), 4);
    for (const QString& text : answer.texts)
        EXPECT_TRUE(text.contains(config)) << text.toStdString();
}

// Each refusal keeps the editor open; OK in the title tab then saves the pages tab as left.
TEST(LayoutEditor, RefusesWhatCannotBeSavedThenSavesTheTabsAsLeft) {
    Config r;
    AddLayout(r.path, "Week", {0});
    ReportConfig layout = ReportConfig::NewLayout();
    CReportLayoutDialog editor(r.path, layout, true, QStringLiteral("family"));
    ModalAnswerer answer(QMessageBox::Ok);
    CPageSelectionTab* tab = editor.pagesTab();
    // "INFO" is the section of the list itself.
    for (const char* name : {"   ", "Week", "INFO", "a[b", "Empty"}) {
        if (name[0] == 'E') { // a free name, but no page at all
            for (int kind : {0, 4, 5, 6, 10, 11})
                tab->pageBox(kind)->click();
            tab->spo2Box()->click();
        }
        tab->nameEdit()->setText(QString::fromLatin1(name));
        editor.ok();
    }
    EXPECT_EQ(
        answer.texts,
        (QStringList{StringTable::text(57626), StringTable::text(57634), StringTable::text(57634),
                     CUserNameDialog::InvalidNameMessage(), StringTable::text(57627)}));
    EXPECT_EQ(r.report("INFO", "count"), "1");

    tab->nameEdit()->setText(QStringLiteral("T"));
    tab->pageBox(2)->click(); // on
    editor.showTab(CReportLayoutDialog::TitleTab);
    QPlainTextEdit* title = editor.titleTab()->editor();
    QTest::keyClicks(title, QStringLiteral("Ward"));
    QTest::keyClick(title, Qt::Key_Return);
    QTest::keyClicks(title, QStringLiteral("3") + QString(95, QLatin1Char('x')));
    EXPECT_EQ(title->toPlainText().size(), 100); // the 101st character is refused
    editor.ok();
    EXPECT_EQ(answer.texts.size(), 5);
    // Printed on one line: the line break is kept as a blank.
    ExpectKeys(r.path, "T",
               {"Demographics Page=0", "BP Summary Page=1", "Spo2 Page=0",
                "Title=Ward 3" + std::string(94, 'x')});
}

// A name longer than the editor takes and a title byte that is no GBK text, both written by
// hand: confirming must not change them.
TEST(LayoutEditor, ReopenedLayoutShowsEveryChoiceAndConfirmingKeepsThem) {
    Config r;
    const std::string name(35, 'K');
    AddLayout(r.path, name, {1, 8}, 3);
    CIniDocument(r.path).WriteString(name, "Title", "A\x81");
    ReportConfig layout = LoadReportConfig(r.path, name);
    CReportLayoutDialog editor(r.path, layout, false, QStringLiteral("family"));
    ModalAnswerer answer(QMessageBox::Ok); // none expected
    CPageSelectionTab* tab = editor.pagesTab();
    for (int kind = 0; kind < int(PageKinds::kPageKeys.size()); ++kind)
        EXPECT_EQ(tab->pageBox(kind)->isChecked(), kind == 1 || kind == 8) << kind;
    EXPECT_TRUE(tab->spo2Radio(2)->isChecked()); // quantitative, "Spo2 Page" 3
    editor.showTab(CReportLayoutDialog::TitleTab);
    editor.ok();
    EXPECT_TRUE(answer.texts.isEmpty());
    ExpectKeys(r.path, name, {"Frequency Histogram Page=1", "Spo2 Page=3", "Title=A\x81"});
    EXPECT_EQ(r.report("INFO", "count"), "1");
    EXPECT_EQ(r.report(std::string(30, 'K'), "Title"), "<missing>"); // not saved under a cut name
}

TEST(ReportPage, DeleteAsksFirstAndEditWithAnEmptyListStartsANewLayout) {
    Config r;
    for (const char* name : {"A", "B"})
        AddLayout(r.path, name, {0});
    CConfigDialog dlg(r.store, r.state, CConfigDialog::ReportPage);
    CReportPage* page = ReportPageOf(dlg);
    page->list()->setCurrentRow(0);
    for (int button : {QMessageBox::No, QMessageBox::Yes}) {
        ModalAnswerer answer(button);
        page->deleteLayout();
        EXPECT_EQ(answer.texts.size(), 1);
    }
    ASSERT_EQ(page->list()->count(), 1);
    EXPECT_EQ(page->list()->item(0)->text(), QStringLiteral("B"));
    ModalAnswerer answer(QMessageBox::Yes);
    page->deleteLayout();
    ASSERT_EQ(page->list()->count(), 0);
    ConfirmEditor(answer, [](CReportLayoutDialog* editor) {
        editor->pagesTab()->nameEdit()->setText(QStringLiteral(" Week "));
    });
    page->editLayout();
    ASSERT_EQ(page->list()->count(), 1);
    EXPECT_EQ(page->list()->item(0)->text(), QStringLiteral("Week"));
    EXPECT_EQ(r.report("INFO", "RP1"), "Week");
}

TEST(ReportPage, ReportCommandOpensThePageAndOkMakesTheLayoutCurrent) {
    StartedApp s;
    ConfigStore store(s.app.configPath().toStdString());
    const std::string path = store.reportFilePath("family");
    AddLayout(path, "Stats", {1});
    AddLayout(path, "Plain", {0});
    ApplyCurrentReport(path, store, "Plain");
    ModalAnswerer answer(QMessageBox::Ok);
    answer.setDialogHandler([](QWidget* dialog) {
        auto* dlg = qobject_cast<CConfigDialog*>(dialog);
        ASSERT_NE(dlg, nullptr);
        CReportPage* page = ReportPageOf(*dlg);
        EXPECT_EQ(page->list()->currentItem()->text(), QStringLiteral("Plain"));
        page->list()->setCurrentRow(0);
        page->ok();
    });
    EXPECT_TRUE(s.app.frame()->runCommand(Cmd::ReportConfig));
    ExpectKeys(store.filePath(), "Config family", {"Statistics Page=1", "Demographics Page=0"});
    EXPECT_EQ(Value(path, "INFO", "currentReportName"), "Stats");
}

TEST(ConfigDialog, EditorConfirmationAppliesOnCloseUnlessTheReportPageCancels) {
    Config r;
    AddLayout(r.path, "A", {1});
    ModalAnswerer answer(QMessageBox::Ok);
    ConfirmEditor(answer);
    const std::string before = ReadFileBytes(r.store.filePath());
    {
        CConfigDialog dlg(r.store, r.state, CConfigDialog::ReportPage);
        ReportPageOf(dlg)->editLayout();
        ReportPageOf(dlg)->cancel();
    }
    EXPECT_EQ(ReadFileBytes(r.store.filePath()), before);
    EXPECT_EQ(r.report("INFO", "currentReportName"), "<missing>");
    // Opened on the thresholds page; closed from the computer page, which stores its own choices.
    CIniDocument(r.store.filePath())
        .WriteString("Config family", "Extra Ports", "/dev/pts/7; ;/dev/ttyUSB0");
    CConfigDialog dlg(r.store, r.state, CConfigDialog::ThresholdsPage);
    dlg.showPage(CConfigDialog::ReportPage);
    ReportPageOf(dlg)->editLayout();
    dlg.showPage(CConfigDialog::ComputerPage);
    auto* computer = PageOf<CComputerSettingsPage>(dlg, CConfigDialog::ComputerPage);
    // The extra ports follow the five COM entries; the blank one is dropped.
    ASSERT_EQ(computer->portList()->count(), 7);
    EXPECT_EQ(computer->portList()->itemText(6), QStringLiteral("/dev/ttyUSB0"));
    computer->portList()->setCurrentText(QStringLiteral("COM 3"));
    computer->deviceList()->setCurrentIndex(1);
    computer->useDefaultPath()->setChecked(true);
    computer->ok();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(r.report("INFO", "currentReportName"), "A");
    ExpectKeys(r.store.filePath(), "Config family",
               {"Statistics Page=1", "Port=2", "Device=1", "Use Default Path=1"});
}
