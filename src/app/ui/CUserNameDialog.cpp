#include "CUserNameDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppState.h"
#include "ConfigStore.h"
#include "GbkText.h"
#include "SaveFailed.h"
#include "StringTable.h"

CUserNameDialog::CUserNameDialog(ConfigStore& store, AppState& state, QWidget* parent)
    : QDialog(parent), m_store(store), m_state(state), m_names(new QComboBox(this)) {
    setWindowTitle(tr("输入用户名"));
    m_names->setEditable(true);
    m_names->setInsertPolicy(QComboBox::NoInsert);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_names);
    auto* row = new QHBoxLayout;
    auto* okButton = new QPushButton(tr("确定(&O)"), this);
    auto* deleteButton = new QPushButton(tr("删除(&D)"), this);
    auto* deleteAllButton = new QPushButton(tr("删除所有(&D)"), this);
    okButton->setDefault(true);
    row->addWidget(okButton);
    row->addWidget(deleteButton);
    row->addWidget(deleteAllButton);
    layout->addLayout(row);
    connect(okButton, &QPushButton::clicked, this, &CUserNameDialog::ok);
    connect(deleteButton, &QPushButton::clicked, this, &CUserNameDialog::deleteSelected);
    connect(deleteAllButton, &QPushButton::clicked, this, &CUserNameDialog::deleteAll);
    fill();
}

void CUserNameDialog::fill() {
    m_names->clear();
    m_numbers.clear();
    for (const ConfigStore::UserEntry& u : m_store.users()) {
        m_names->addItem(FromGbk(u.name));
        m_numbers << u.number;
    }
    if (m_names->count() > 0) m_names->setCurrentIndex(0);
}

void CUserNameDialog::ok() {
    const ConfigStore::UserSelection sel = m_store.selectUser(ToGbk(m_names->currentText()));
    if (!sel.unsavedFile.empty()) {
        ShowSaveFailed(this, sel.unsavedFile);
        // Without its configuration nothing was chosen; a missing report configuration file
        // is only an empty list of layouts, so the new user stands.
        if (sel.unsavedFile == m_store.filePath()) return;
    }
    switch (sel.status) {
    case ConfigStore::SelectStatus::EmptyName:
        QMessageBox::warning(this, windowTitle(), StringTable::text(57609));
        return;
    case ConfigStore::SelectStatus::InvalidName:
        QMessageBox::warning(this, windowTitle(), InvalidNameMessage());
        return;
    case ConfigStore::SelectStatus::Created:
        m_state.currentUserName = sel.name;
        if (m_newUserSetup) m_newUserSetup();
        m_state.patientFileFolder =
            FromGbk(m_store.patientFilePath(ConfigStore::SectionName(sel.name))).toStdString();
        break;
    case ConfigStore::SelectStatus::Existing:
        m_state.currentUserName = sel.name;
        m_state.patientFileFolder = FromGbk(sel.patientFileFolder).toStdString();
        break;
    }
    accept();
}

QString CUserNameDialog::InvalidNameMessage() {
    return tr("用户名不能包含 [ ] / \\ 或控制字符。");
}

void CUserNameDialog::deleteSelected() {
    const int index = m_names->currentIndex();
    const QString name = m_names->currentText();
    if (name.trimmed().isEmpty() || index < 0 || m_names->itemText(index) != name) return;
    const QString question = StringTable::text(57610) + name + QStringLiteral("?");
    if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    const int number = m_numbers.value(index);
    m_names->removeItem(index);
    m_numbers.removeAt(index);
    m_names->setEditText(QString());
    if (!m_store.deleteUser(number)) ShowSaveFailed(this, m_store.filePath());
}

void CUserNameDialog::deleteAll() {
    if (QMessageBox::question(this, windowTitle(), StringTable::text(57611),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!m_store.deleteAllUsers())
        QMessageBox::warning(
            this, windowTitle(),
            tr("无法删除配置文件：\n%1").arg(QString::fromStdString(m_store.filePath())));
    m_names->clear();
    m_numbers.clear();
}

void CUserNameDialog::reject() {
    deleteSelected();
}

void CUserNameDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    deleteSelected();
}
