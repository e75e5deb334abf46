#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpression>

#include "CLanguageDialog.h"
#include "COBLView.h"
#include "LanguageManager.h"
#include "ShellFixtures.h"

namespace {

// A program folder with the packs the build made.
struct ProgramFolder {
    TempDir dir;
    explicit ProgramFolder(const QStringList& packs) {
        QDir(Q(dir.path())).mkdir("language");
        for (const QString& p : packs)
            QFile::copy(QStringLiteral(ABPM_LANGUAGE_DIR "/") + p + ".qm",
                        Q(dir.file("language/" + p.toStdString() + ".qm")));
    }
    QString path() const { return Q(dir.path()); }
};

} // namespace

// Every table text has an English translation with its placeholders, and so has every
// dialog text of the English pack.
TEST(Language, EveryTextHasAnEnglishTranslationWithItsPlaceholders) {
    ProgramFolder program({QStringLiteral("english")});
    LanguageManager languages(program.path());
    ASSERT_TRUE(languages.load(QStringLiteral("english")));
    const QRegularExpression placeholder(QStringLiteral("%[-+ 0#]*[0-9]*(\\.[0-9]+)?[dsfxXc%]"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        return found;
    };
    for (int id : StringTable::ids()) {
        const QString source = QString::fromUtf8(StringTable::source(id));
        const QString english = StringTable::text(id);
        EXPECT_NE(english, source) << "no English for " << id;
        EXPECT_EQ(placeholders(source), placeholders(english))
            << id << " " << english.toStdString();
    }
    QFile ts(QStringLiteral(ABPM_TRANSLATIONS_DIR "/english.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ts.readAll());
    EXPECT_EQ(text.count(QStringLiteral("<translation>")), text.count(QStringLiteral("<message>")));
    for (const char* unfinished :
         {"type=\"unfinished\"", "<translation></translation>", "<translation />"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(unfinished))) << unfinished;
}

// Only packs of the program's language folder load, else the table is Chinese again; Qt's
// own buttons come back in Chinese after English.
TEST(Language, ChoosingEnglishRetranslatesTheMenuIsStoredAndKeepsTheDisplay) {
    ProgramFolder program({QStringLiteral("chinese"), QStringLiteral("english")});
    ShellFolders f;
    WriteFileBytes(program.dir.file("OblCofig.ini"), "[Previous Config]\r\nLanguage=chinese\r\n");
    CAbpmApp app(program.path(), f.startPath());
    ASSERT_TRUE(app.initInstance());
    EXPECT_EQ(app.frame()->menuBar()->actions().at(0)->text(), QStringLiteral("文件(&F)"));
    app.frame()->view()->setDisplayMode(COBLView::PieCharts);
    ModalAnswerer answer(QMessageBox::Ok);
    // Opens on the stored name, "chinese", listed before "english"; OK loads the choice.
    answer.setDialogHandler([](QWidget* dialog) {
        auto* dlg = qobject_cast<CLanguageDialog*>(dialog);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->list()->currentItem()->text(), QStringLiteral("chinese"));
        dlg->list()->setCurrentRow(1);
        ClickButton(dlg, CLanguageDialog::tr("确定(&0)"), true);
    });
    app.languageCommand();
    EXPECT_EQ(app.frame()->menuBar()->actions().at(0)->text(), QStringLiteral("&File"));
    EXPECT_EQ(StringTable::text(57617), QStringLiteral("Please select a file!"));
    EXPECT_EQ(app.frame()->view()->displayMode(), COBLView::PieCharts);
    EXPECT_EQ(Value(program.dir.file("OblCofig.ini"), "Previous Config", "Language"), "english");
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    EXPECT_FALSE(app.languages().load(QStringLiteral("../language/english")));
    EXPECT_FALSE(app.languages().load(QStringLiteral("/etc/passwd")));
    EXPECT_EQ(StringTable::text(57617), QStringLiteral("请选择一个文件!"));
    ASSERT_TRUE(app.languages().load(QStringLiteral("english")));
    ASSERT_TRUE(app.languages().load(QStringLiteral("chinese")));
    EXPECT_EQ(cancel(), QStringLiteral("取消"));
    app.languages().unload();
}
