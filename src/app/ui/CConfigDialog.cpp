#include "CConfigDialog.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "AppState.h"
#include "CComputerSettingsPage.h"
#include "CReportPage.h"
#include "CThresholdsPage.h"
#include "ConfigStore.h"
#include "GbkText.h"
#include "ReportConfig.h"
#include "SaveFailed.h"
#include "TabButtons.h"

CConfigDialog::CConfigDialog(ConfigStore& store, AppState& state, Page startPage, QWidget* parent)
    : QDialog(parent), m_store(store), m_state(state), m_pages(new QStackedWidget(this)) {
    setWindowTitle(tr("配置") + QStringLiteral(" - ") + FromGbk(state.currentUserName));
    auto* layout = new QVBoxLayout(this);
    // The thresholds page has no button: its menu command alone shows it.
    layout->addLayout(MakeTabButtons(this, {tr("计算机"), tr("报告")}, m_tabs,
                                     [this](int page) { showPage(Page(page)); }));
    layout->addWidget(m_pages, 1);

    m_pages->addWidget(new CComputerSettingsPage(store, state, this));
    m_reportPage = new CReportPage(store, state, this);
    m_pages->addWidget(m_reportPage);
    m_pages->addWidget(new CThresholdsPage(store, state, this));
    showPage(startPage);
}

CConfigDialog::Page CConfigDialog::shownPage() const {
    return Page(m_pages->currentIndex());
}

QWidget* CConfigDialog::page(Page page) const {
    return m_pages->widget(page);
}

QPushButton* CConfigDialog::tabButton(Page page) const {
    return page == ThresholdsPage ? nullptr : m_tabs[page];
}

void CConfigDialog::showPage(Page page) {
    m_pages->setCurrentIndex(page);
    MarkShownTab(m_tabs, page == ThresholdsPage ? -1 : page);
}

void CConfigDialog::pageFinished(Page page, bool accepted) {
    if (page != shownPage()) return;
    done(accepted ? Accepted : Rejected);
}

void CConfigDialog::reject() {
    switch (shownPage()) {
    case ComputerPage:
        static_cast<CComputerSettingsPage*>(page(ComputerPage))->cancel();
        break;
    case ReportPage:
        m_reportPage->cancel();
        break;
    case ThresholdsPage:
        pageFinished(ThresholdsPage, false);
        break;
    }
}

void CConfigDialog::done(int result) {
    if (m_reportConfirmed) {
        // Closed from another page: the layout the report page shows becomes current.
        if (shownPage() != ReportPage) m_reportPage->confirm();
        if (!applyReport()) return;
    }
    QDialog::done(result);
}

bool CConfigDialog::applyReport() {
    const AppliedReport applied = ApplyCurrentReport(
        m_store.reportFilePath(m_state.currentUserName), m_store, m_currentReportName);
    if (applied.unsavedFile.empty()) return true;
    // The dialog stays open; confirming the report page again tries once more.
    m_reportConfirmed = false;
    ShowSaveFailed(this, applied.unsavedFile);
    return false;
}
