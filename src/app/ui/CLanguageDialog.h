#pragma once

#include <QDialog>

class QListWidget;
class LanguageManager;

// Dialog 271: choose one of the language packs; OK loads it and stores its name.
class CLanguageDialog : public QDialog {
    Q_OBJECT
  public:
    CLanguageDialog(LanguageManager& languages, QString programFolder, QWidget* parent = nullptr);
    QListWidget* list() const { return m_list; }

  private:
    void onOk();

    LanguageManager& m_languages;
    QString m_programFolder;
    QListWidget* m_list;
};
