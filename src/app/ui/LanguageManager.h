#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

// The language packs "language/NAME.qm" beside the program. The built-in texts are Chinese;
// a loaded pack translates them. Only names of files in that folder are ever loaded.
class LanguageManager {
  public:
    explicit LanguageManager(QString programFolder);
    ~LanguageManager();

    QString languageFolder() const;
    // Names of the packs, without extension, sorted.
    QStringList available() const;
    // Replaces the current pack. False (and the built-in texts in force) when the name is not
    // a pack of the folder or the file cannot be loaded.
    bool load(const QString& name);
    // Back to the built-in texts.
    void unload();
    QString current() const { return m_current; }

  private:
    void installQtChinese();

    QString m_programFolder;
    QString m_current;
    std::unique_ptr<QTranslator> m_pack;
    std::unique_ptr<QTranslator> m_qtBase;
};
