#include "CReportLayoutDialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "CPageSelectionTab.h"
#include "CReportGraphTab.h"
#include "CReportTitleTab.h"
#include "CUserNameDialog.h"
#include "ConfigStore.h"
#include "Help.h"
#include "SaveFailed.h"
#include "StringTable.h"
#include "TabButtons.h"

CReportLayoutDialog::CReportLayoutDialog(std::string reportPath, ReportConfig& layout, bool isNew,
                                         const QString& userName, QWidget* parent)
    : QDialog(parent), m_reportPath(std::move(reportPath)), m_layout(layout), m_isNew(isNew),
      m_tabArea(new QVBoxLayout) {
    setWindowTitle(userName);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(MakeTabButtons(this, {tr("打印页"), tr("标题"), tr("图形")}, m_tabButtons,
                                        [this](int tab) { showTab(Tab(tab)); }));
    layoutBox->addLayout(m_tabArea, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    AddHelpButton(buttons, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CReportLayoutDialog::ok);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layoutBox->addWidget(buttons);
    showTab(PagesTab);
}

CPageSelectionTab* CReportLayoutDialog::pagesTab() const {
    return m_shown == PagesTab ? static_cast<CPageSelectionTab*>(m_tab) : nullptr;
}

CReportTitleTab* CReportLayoutDialog::titleTab() const {
    return m_shown == TitleTab ? static_cast<CReportTitleTab*>(m_tab) : nullptr;
}

void CReportLayoutDialog::storeShownTab() {
    if (CPageSelectionTab* pages = pagesTab()) pages->store(m_layout);
    if (CReportTitleTab* title = titleTab()) m_layout.title = title->title();
}

void CReportLayoutDialog::showTab(Tab tab) {
    if (m_tab) {
        storeShownTab();
        delete m_tab;
    }
    m_shown = tab;
    switch (tab) {
    case PagesTab:
        m_tab = new CPageSelectionTab(m_layout, m_isNew, this);
        break;
    case TitleTab:
        m_tab = new CReportTitleTab(m_layout.title, this);
        break;
    case GraphTab:
        m_tab = new CReportGraphTab(this);
        break;
    }
    m_tabArea->addWidget(m_tab);
    MarkShownTab(m_tabButtons, tab);
    m_tab->setFocus();
}

QString CReportLayoutDialog::refusal() const {
    if (m_isNew) {
        if (m_layout.name.empty()) return StringTable::text(57626);
        if (!IsUsableReportName(m_layout.name)) return CUserNameDialog::InvalidNameMessage();
        if (ReportNameTaken(m_reportPath, m_layout.name)) return StringTable::text(57634);
    }
    if (!m_layout.hasAnyPage()) return StringTable::text(57627);
    return {};
}

void CReportLayoutDialog::ok() {
    storeShownTab();
    if (const QString message = refusal(); !message.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), message);
        return;
    }
    if (!SaveReportConfig(m_reportPath, m_layout, m_isNew)) {
        ShowSaveFailed(this, m_reportPath);
        return;
    }
    accept();
}
