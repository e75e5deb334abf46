#include "CReportPage.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "AppState.h"
#include "CConfigDialog.h"
#include "CReportLayoutDialog.h"
#include "ConfigStore.h"
#include "GbkText.h"
#include "Help.h"
#include "SaveFailed.h"
#include "StringTable.h"

CReportPage::CReportPage(ConfigStore& store, AppState& state, CConfigDialog* dialog)
    : QWidget(dialog), m_store(store), m_state(state), m_dialog(dialog),
      m_list(new QListWidget(this)), m_delete(new QPushButton(tr("删除报告"), this)) {
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0, 4, 1);
    auto* edit = new QPushButton(tr("编辑报告"), this);
    auto* add = new QPushButton(tr("增加报告"), this);
    for (QPushButton* b : {edit, add, m_delete})
        b->setAutoDefault(false);
    layout->addWidget(edit, 0, 1);
    layout->addWidget(add, 1, 1);
    layout->addWidget(m_delete, 2, 1);
    connect(edit, &QPushButton::clicked, this, &CReportPage::editLayout);
    connect(add, &QPushButton::clicked, this, &CReportPage::addLayout);
    connect(m_delete, &QPushButton::clicked, this, &CReportPage::deleteLayout);
    connect(m_list, &QListWidget::itemActivated, this, &CReportPage::editLayout);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_delete->setEnabled(row >= 0); });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    AddHelpButton(buttons, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CReportPage::ok);
    connect(buttons, &QDialogButtonBox::rejected, this, &CReportPage::cancel);
    layout->addWidget(buttons, 4, 0, 1, 2);
    initialise();
}

std::string CReportPage::reportPath() const {
    return m_store.reportFilePath(m_state.currentUserName);
}

QString CReportPage::listText() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->text() : QString();
}

void CReportPage::initialise() {
    const ReportList layouts = ReadReportList(reportPath());
    m_list->clear();
    int current = -1;
    for (const std::string& name : layouts.names) {
        if (current < 0 && name == layouts.currentName) current = m_list->count();
        m_list->addItem(FromGbk(name));
    }
    m_list->setCurrentRow(current >= 0 ? current : m_list->count() - 1);
    m_delete->setEnabled(m_list->currentRow() >= 0);
}

void CReportPage::confirm() {
    m_dialog->setCurrentReportName(ToGbk(listText()));
    m_dialog->setReportConfirmed(true);
}

void CReportPage::ok() {
    confirm();
    m_dialog->pageFinished(CConfigDialog::ReportPage, true);
}

void CReportPage::cancel() {
    m_dialog->setReportConfirmed(false);
    m_dialog->pageFinished(CConfigDialog::ReportPage, false);
}

bool CReportPage::runEditor(bool isNew) {
    CReportLayoutDialog editor(reportPath(), m_layout, isNew, FromGbk(m_state.currentUserName),
                               this);
    if (editor.exec() != QDialog::Accepted) return false;
    m_dialog->setReportConfirmed(true);
    return true;
}

void CReportPage::editLayout() {
    const std::string name = ToGbk(listText());
    if (name.empty()) {
        // Nothing to edit: the editor starts a new layout.
        m_layout = ReportConfig::NewLayout();
        runEditor(true);
        initialise();
        m_list->setCurrentRow(0);
        return;
    }
    const int row = m_list->currentRow();
    m_layout = LoadReportConfig(reportPath(), name);
    runEditor(false);
    m_list->setCurrentRow(row);
}

void CReportPage::addLayout() {
    m_layout = ReportConfig::NewLayout();
    if (runEditor(true)) {
        initialise();
        m_list->setCurrentRow(m_list->count() - 1);
    }
}

void CReportPage::deleteLayout() {
    const QString name = listText();
    if (name.isEmpty()) return;
    if (QMessageBox::question(this, tr("删除报告"), StringTable::text(57723),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!DeleteReportConfig(reportPath(), ToGbk(name))) ShowSaveFailed(this, reportPath());
    initialise();
    m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
}
