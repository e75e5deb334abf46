#include "CLanguageDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QVBoxLayout>

#include "CIniDocument.h"
#include "GbkText.h"
#include "Help.h"
#include "LanguageManager.h"

CLanguageDialog::CLanguageDialog(LanguageManager& languages, QString programFolder, QWidget* parent)
    : QDialog(parent), m_languages(languages), m_programFolder(std::move(programFolder)),
      m_list(new QListWidget(this)) {
    setWindowTitle(tr("选择语言"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&0)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLanguageDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_list->addItems(m_languages.available());
    const QString stored = StoredLanguage(m_programFolder, QStringLiteral("chinese"));
    int row = 0;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->text().startsWith(stored)) {
            row = i;
            break;
        }
    if (m_list->count() > 0) m_list->setCurrentRow(row);
}

void CLanguageDialog::onOk() {
    QListWidgetItem* item = m_list->currentItem();
    const QString name = item ? item->text() : QString();
    if (!name.isEmpty() && m_languages.load(name)) {
        CIniDocument doc(QDir(m_programFolder).filePath("OblCofig.ini").toStdString());
        doc.WriteString("Previous Config", "Language", ToGbk(name));
        doc.Save();
    } else {
        m_languages.unload();
    }
    accept();
}
