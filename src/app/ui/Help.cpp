#include "Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "CIniDocument.h"
#include "GbkText.h"

QString StoredLanguage(const QString& programFolder, const QString& defaultName) {
    const CIniDocument doc(QDir(programFolder).filePath("OblCofig.ini").toStdString());
    return FromGbk(doc.GetString("Previous Config", "Language", ToGbk(defaultName)));
}

void OpenHelp(QWidget* parent) {
    const QString program = QCoreApplication::applicationDirPath();
    const QString language = StoredLanguage(program, QStringLiteral("english"));
    QString page = QDir(program).filePath(QStringLiteral("Help/%1/index.html").arg(language));
    if (language.contains('/') || language.contains('\\') || !QFileInfo::exists(page)) {
        QMessageBox::warning(parent, QCoreApplication::translate("Help", "帮助"),
                             QCoreApplication::translate("Help", "找不到帮助文件：\n%1")
                                 .arg(QDir::toNativeSeparators(page)));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page))) {
        QMessageBox::information(
            parent, QCoreApplication::translate("Help", "帮助"),
            QCoreApplication::translate("Help", "没有可用的浏览器。请用浏览器打开：\n%1")
                .arg(QDir::toNativeSeparators(page)));
    }
}

void AddHelpButton(QDialogButtonBox* box, QWidget* dialog) {
    QPushButton* help =
        box->addButton(QCoreApplication::translate("Help", "帮助(&H)"), QDialogButtonBox::HelpRole);
    QObject::connect(help, &QPushButton::clicked, dialog, [dialog] { OpenHelp(dialog); });
}
