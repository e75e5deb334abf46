#include "LanguageManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

LanguageManager::LanguageManager(QString programFolder)
    : m_programFolder(std::move(programFolder)) {
    unload();
}

LanguageManager::~LanguageManager() {
    if (m_pack) QCoreApplication::removeTranslator(m_pack.get());
    if (m_qtBase) QCoreApplication::removeTranslator(m_qtBase.get());
}

QString LanguageManager::languageFolder() const {
    return QDir(m_programFolder).filePath(QStringLiteral("language"));
}

QStringList LanguageManager::available() const {
    QStringList names;
    const QDir dir(languageFolder());
    for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        names << f.completeBaseName();
    return names;
}

// Qt's own buttons (Yes, No, Cancel) in Chinese, to match the built-in texts.
void LanguageManager::installQtChinese() {
    if (m_qtBase) return;
    m_qtBase = std::make_unique<QTranslator>();
    if (m_qtBase->load(QStringLiteral("qtbase_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qtBase.get());
    else
        m_qtBase.reset();
}

void LanguageManager::unload() {
    if (m_pack) QCoreApplication::removeTranslator(m_pack.get());
    m_pack.reset();
    m_current.clear();
    installQtChinese();
}

bool LanguageManager::load(const QString& name) {
    if (!available().contains(name)) {
        unload();
        return false;
    }
    auto pack = std::make_unique<QTranslator>();
    if (!pack->load(QDir(languageFolder()).filePath(name + QStringLiteral(".qm")))) {
        unload();
        return false;
    }
    if (m_pack) QCoreApplication::removeTranslator(m_pack.get());
    m_pack = std::move(pack);
    QCoreApplication::installTranslator(m_pack.get());
    m_current = name;
    // A pack for another language brings its own words for Qt's buttons; the Chinese one
    // needs Qt's Chinese back after another language was in use.
    if (name == QStringLiteral("chinese")) {
        installQtChinese();
    } else if (m_qtBase) {
        QCoreApplication::removeTranslator(m_qtBase.get());
        m_qtBase.reset();
    }
    return true;
}
