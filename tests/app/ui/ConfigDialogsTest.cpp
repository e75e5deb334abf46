#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "FolderBrowser.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "CAbpmApp.h"
#include "CComputerSettingsPage.h"
#include "CConfigDialog.h"
#include "CIniDocument.h"
#include "CRecordFileDialog.h"
#include "CThresholdsPage.h"
#include "CUserNameDialog.h"
#include "ModalAnswerer.h"
#include "ShellFixtures.h"
#include "StringTable.h"

namespace {

using Config = StartedStore;

void SetThresholds(CThresholdsPage* page, const QStringList& values) {
    for (int i = 0; i < 4; ++i)
        page->field(i)->setText(values[i]);
}

} // namespace

TEST(ThresholdsPage, ValidatesSavesEachFieldWithTheGuidelineAndShowsThemAgain) {
    Config c;
    CConfigDialog dlg(c.store, c.state, CConfigDialog::ThresholdsPage);
    auto* page = static_cast<CThresholdsPage*>(dlg.page(CConfigDialog::ThresholdsPage));
    EXPECT_EQ(page->field(0)->text(), QStringLiteral("140"));
    // A refusal is said and saves nothing; the rules are the analysis's.
    ModalAnswerer answer(QMessageBox::Ok);
    SetThresholds(page, {"120", "120", "130", "80"}); // awake systolic below diastolic
    page->ok();
    EXPECT_EQ(answer.texts, QStringList{StringTable::text(57618)});
    EXPECT_FALSE(dlg.changed());
    EXPECT_EQ(c.get("Config family", "Awake Sys Thresh"), "<missing>");

    SetThresholds(page, {"150", "125", "95", "75"});
    page->guidelineList()->setCurrentIndex(1);
    page->ok();
    EXPECT_EQ(answer.texts.size(), 1);
    EXPECT_EQ(dlg.result(), QDialog::Accepted); // opened on this page: OK closes it
    const char* const keys[] = {"Awake Sys Thresh", "Asleep Sys Thresh", "Awake Dia Thresh",
                                "Asleep Dia Thresh", "Guideline"};
    const char* const saved[] = {"150", "125", "95", "75", "ACCAHA2017"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(c.get("Config family", keys[i]), saved[i]) << keys[i];
    EXPECT_EQ(c.state.record.thresholds.awakeDia, 95);
    EXPECT_EQ(c.state.guideline, ClinicalGuideline::AccAha2017);

    CConfigDialog again(c.store, c.state, CConfigDialog::ThresholdsPage);
    auto* reopened = static_cast<CThresholdsPage*>(again.page(CConfigDialog::ThresholdsPage));
    EXPECT_EQ(reopened->field(1)->text(), QStringLiteral("125"));
    EXPECT_EQ(reopened->guidelineList()->currentText(), QStringLiteral("ACC/AHA 2017"));
    reopened->defaults();
    EXPECT_EQ(reopened->field(2)->text(), QStringLiteral("90"));
    EXPECT_EQ(reopened->guidelineList()->currentText(), QStringLiteral("ESH 2023"));
}

TEST(ComputerSettingsPage, OkStoresThePageAndCancelNothing) {
    Config c;
    CIniDocument(c.store.filePath())
        .WriteString("Config family", "Extra Ports", "/dev/pts/7; ;/dev/ttyUSB0");
    CConfigDialog dlg(c.store, c.state, CConfigDialog::ComputerPage);
    auto* page = static_cast<CComputerSettingsPage*>(dlg.page(CConfigDialog::ComputerPage));
    // The extra ports follow the five COM entries; the blank one is dropped.
    ASSERT_EQ(page->portList()->count(), 7);
    EXPECT_EQ(page->portList()->itemText(6), QStringLiteral("/dev/ttyUSB0"));
    page->portList()->setCurrentText(QStringLiteral("COM 3"));
    page->deviceList()->setCurrentIndex(1);
    page->useDefaultPath()->setChecked(true);
    page->ok();
    EXPECT_EQ(c.get("Config family", "Port"), "2");
    EXPECT_EQ(c.get("Config family", "Device"), "1");
    EXPECT_EQ(c.get("Config family", "Use Default Path"), "1");

    const std::string before = ReadFileBytes(c.store.filePath());
    CConfigDialog again(c.store, c.state, CConfigDialog::ComputerPage);
    auto* page2 = static_cast<CComputerSettingsPage*>(again.page(CConfigDialog::ComputerPage));
    EXPECT_EQ(page2->portList()->currentIndex(), 2);
    page2->portList()->setCurrentIndex(4);
    page2->cancel();
    EXPECT_EQ(ReadFileBytes(c.store.filePath()), before);
}

TEST(UserNameDialog, OkAddsEscapeDeletesOnlyAfterYesAndABlankNameIsRefused) {
    Config c;
    int setups = 0;
    CUserNameDialog dlg(c.store, c.state);
    dlg.setNewUserSetup([&] { ++setups; });
    dlg.show();
    {
        ModalAnswerer answer(QMessageBox::No);
        dlg.nameList()->setEditText(QStringLiteral("   "));
        dlg.ok();
        EXPECT_TRUE(dlg.isVisible());
        dlg.nameList()->setEditText(QStringLiteral("  A "));
        dlg.ok();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(setups, 1); // a new user sets up the first configuration page
        EXPECT_EQ(c.state.currentUserName, "A");

        CUserNameDialog again(c.store, c.state);
        again.show();
        const std::string before = ReadFileBytes(c.store.filePath());
        QTest::keyClick(&again, Qt::Key_Escape); // Escape deletes the selected user, after asking
        EXPECT_TRUE(again.isVisible());
        EXPECT_EQ(ReadFileBytes(c.store.filePath()), before);
        EXPECT_EQ(answer.texts.size(), 2); // the blank name, the question
    }
    CUserNameDialog again(c.store, c.state);
    again.show();
    ModalAnswerer answer(QMessageBox::Yes);
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_EQ(again.nameList()->count(), 0);
    EXPECT_EQ(CUserNameDialog(c.store, c.state).nameList()->count(), 0);
}

TEST(OpenCommand, UseDefaultPathDecidesWhetherTheFolderIsStored) {
    ShellFolders f;
    TempDir other;
    WriteFileBytes(other.file("r.awp"), ReadFileBytes(ABPM_SAMPLES_DIR "/24h-normal-dip.awp"));
    for (int useDefault : {1, 0}) {
        CAbpmApp app(f.startPath(), f.startPath());
        ASSERT_TRUE(app.initInstance());
        ConfigStore store(app.configPath().toStdString());
        auto settings = store.computerSettings("Config family");
        settings.useDefaultPath = useDefault;
        store.writeComputerSettings("Config family", settings);

        ModalAnswerer answer(QMessageBox::Ok);
        answer.setDialogHandler([&](QWidget* dialog) {
            auto* dlg = qobject_cast<CRecordFileDialog*>(dialog);
            ASSERT_NE(dlg, nullptr);
            dlg->browser()->setFolder(QString::fromStdString(other.path()));
            emit dlg->browser()->folderEntered(dlg->folder());
            ASSERT_EQ(dlg->fileList()->topLevelItemCount(), 1);
            for (QPushButton* b : dlg->findChildren<QPushButton*>())
                if (b->text() == CRecordFileDialog::tr("确认(&O)"))
                    QMetaObject::invokeMethod(b, "click", Qt::QueuedConnection);
        });
        app.openCommand();
        EXPECT_EQ(app.state().record.isLoaded, 1);
        const std::string stored = store.patientFilePath("Config family");
        EXPECT_EQ(stored, useDefault ? f.start.path() : other.path()) << useDefault;
    }
}

TEST(ConfigurationSaves, EveryFailedSaveNamesTheFile) {
    ShellFolders f;
    WriteFileBytes(f.start.file("r.awp"), ReadFileBytes(ABPM_SAMPLES_DIR "/24h-normal-dip.awp"));
    // A folder in the place of the configuration file: it reads as empty and cannot be saved.
    QDir(f.startPath()).mkdir(QStringLiteral("OblCofig.ini"));
    const QString config = QString::fromStdString(f.start.file("OblCofig.ini"));
    CAbpmApp app(f.startPath(), f.startPath());
    ModalAnswerer answer(QMessageBox::Ok);
    ASSERT_TRUE(app.initInstance()); // start-up

    // Each dialog must still be open after the failed save; it is then closed.
    const auto stillOpen = [](QDialog* dialog) {
        EXPECT_TRUE(dialog->isVisible());
        dialog->done(QDialog::Rejected);
    };
    answer.setDialogHandler([&](QWidget* dialog) {
        QTimer::singleShot(0, dialog, [dialog, stillOpen] {
            if (auto* users = qobject_cast<CUserNameDialog*>(dialog)) {
                users->nameList()->setEditText(QStringLiteral("A"));
                users->ok();
                stillOpen(users);
            } else if (auto* settings = qobject_cast<CConfigDialog*>(dialog)) {
                static_cast<CComputerSettingsPage*>(settings->page(CConfigDialog::ComputerPage))
                    ->ok();
                stillOpen(settings);
            } else if (auto* open = qobject_cast<CRecordFileDialog*>(dialog)) {
                ASSERT_EQ(open->fileList()->topLevelItemCount(), 1);
                open->fileList()->setCurrentItem(open->fileList()->topLevelItem(0));
                open->accept();
            }
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
