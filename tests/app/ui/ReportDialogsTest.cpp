#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "CAbpmApp.h"
#include "CComputerSettingsPage.h"
#include "CConfigDialog.h"
#include "CMainFrame.h"
#include "CPageSelectionTab.h"
#include "CReportLayoutDialog.h"
#include "CReportPage.h"
#include "CReportTitleTab.h"
#include "CUserNameDialog.h"
#include "CommandIds.h"
#include "ModalAnswerer.h"
#include "ReportLayouts.h"
#include "ShellFixtures.h"
#include "StringTable.h"

namespace {

struct Reports : StartedStore {
    std::string path = store.reportFilePath("family");
    std::string report(const std::string& section, const std::string& key) const {
        return Value(path, section, key);
    }
};

CReportPage* ReportPageOf(const CConfigDialog& dlg) {
    return static_cast<CReportPage*>(dlg.page(CConfigDialog::ReportPage));
}

std::vector<int> CheckedKinds(const CPageSelectionTab* tab) {
    std::vector<int> kinds;
    for (int kind = 0; kind < int(PageKinds::kPageKeys.size()); ++kind)
        if (tab->pageBox(kind)->isChecked()) kinds.push_back(kind);
    return kinds;
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

// Each refusal keeps the editor open; OK in the title tab then saves the pages tab as left.
TEST(LayoutEditor, RefusesWhatCannotBeSavedThenSavesTheTabsAsLeft) {
    Reports r;
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
    EXPECT_EQ(r.report("INFO", "RP2"), "T");
    EXPECT_EQ(r.report("T", "Demographics Page"), "0");
    EXPECT_EQ(r.report("T", "BP Summary Page"), "1");
    EXPECT_EQ(r.report("T", "Spo2 Page"), "0");
    // Printed on one line: the line break is kept as a blank.
    EXPECT_EQ(r.report("T", "Title"), "Ward 3" + std::string(94, 'x'));
}

TEST(LayoutEditor, ReopenedLayoutShowsEveryChoiceAndConfirmingKeepsThem) {
    Reports r;
    // A name longer than the editor takes and a title byte that is no GBK text, both written
    // by hand: confirming must not change them.
    const std::string name(35, 'K');
    AddLayout(r.path, name, {1, 8}, 3);
    CIniDocument(r.path).WriteString(name, "Title", "A\x81");
    ReportConfig layout = LoadReportConfig(r.path, name);
    CReportLayoutDialog editor(r.path, layout, false, QStringLiteral("family"));
    ModalAnswerer answer(QMessageBox::Ok); // none expected
    CPageSelectionTab* tab = editor.pagesTab();
    EXPECT_FALSE(tab->nameEdit()->isEnabled());
    EXPECT_EQ(CheckedKinds(tab), (std::vector<int>{1, 8}));
    EXPECT_TRUE(tab->spo2Radio(2)->isChecked()); // quantitative, "Spo2 Page" 3
    editor.showTab(CReportLayoutDialog::TitleTab);
    editor.ok();
    EXPECT_TRUE(answer.texts.isEmpty());
    EXPECT_EQ(r.report(name, "Frequency Histogram Page"), "1");
    EXPECT_EQ(r.report(name, "Spo2 Page"), "3");
    EXPECT_EQ(r.report(name, "Title"), "A\x81");
    EXPECT_EQ(r.report("INFO", "count"), "1");
    EXPECT_EQ(r.report(std::string(30, 'K'), "Title"), "<missing>"); // not saved under a cut name
}

TEST(ReportPage, DeleteAsksFirstAndEditWithAnEmptyListStartsANewLayout) {
    Reports r;
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
        EXPECT_TRUE(editor->pagesTab()->nameEdit()->isEnabled());
        editor->pagesTab()->nameEdit()->setText(QStringLiteral(" Week "));
    });
    page->editLayout();
    ASSERT_EQ(page->list()->count(), 1);
    EXPECT_EQ(page->list()->item(0)->text(), QStringLiteral("Week"));
    EXPECT_EQ(r.report("INFO", "RP1"), "Week");
}

TEST(ReportPage, ReportCommandOpensThePageAndOkMakesTheLayoutCurrent) {
    ShellFolders f;
    CAbpmApp app(f.startPath(), f.startPath());
    ASSERT_TRUE(app.initInstance());
    ConfigStore store(app.configPath().toStdString());
    const std::string path = store.reportFilePath("family");
    AddLayout(path, "Stats", {1});
    AddLayout(path, "Plain", {0});
    ApplyCurrentReport(path, store, "Plain");

    ModalAnswerer answer(QMessageBox::Ok);
    answer.setDialogHandler([](QWidget* dialog) {
        auto* dlg = qobject_cast<CConfigDialog*>(dialog);
        ASSERT_NE(dlg, nullptr);
        EXPECT_FALSE(dlg->tabButton(CConfigDialog::ReportPage)->isEnabled());
        CReportPage* page = ReportPageOf(*dlg);
        EXPECT_EQ(page->list()->currentItem()->text(), QStringLiteral("Plain"));
        page->list()->setCurrentRow(0);
        page->ok();
    });
    EXPECT_TRUE(app.frame()->runCommand(Cmd::ReportConfig));
    EXPECT_EQ(Value(store.filePath(), "Config family", "Statistics Page"), "1");
    EXPECT_EQ(Value(store.filePath(), "Config family", "Demographics Page"), "0");
    EXPECT_EQ(Value(path, "INFO", "currentReportName"), "Stats");
}

TEST(ConfigDialog, EditorConfirmationAppliesOnCloseUnlessTheReportPageCancels) {
    Reports r;
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

    // Opened on the thresholds page; closed from the computer page.
    CConfigDialog dlg(r.store, r.state, CConfigDialog::ThresholdsPage);
    EXPECT_TRUE(dlg.tabButton(CConfigDialog::ReportPage)->isEnabled());
    dlg.showPage(CConfigDialog::ReportPage);
    ReportPageOf(dlg)->editLayout();
    dlg.showPage(CConfigDialog::ComputerPage);
    static_cast<CComputerSettingsPage*>(dlg.page(CConfigDialog::ComputerPage))->ok();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(r.report("INFO", "currentReportName"), "A");
    EXPECT_EQ(Value(r.store.filePath(), "Config family", "Statistics Page"), "1");
}
