#include "CConfigDialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "CComputerSettingsPage.h"
#include "CThresholdsPage.h"

CConfigDialog::CConfigDialog(ConfigStore& store, AppState& state, Page startPage, QWidget* parent)
    : QDialog(parent), m_startPage(startPage), m_pages(new QStackedWidget(this)),
      m_tabs(new QButtonGroup(this)) {
    setWindowTitle(tr("配置"));
    auto* layout = new QVBoxLayout(this);
    auto* tabRow = new QHBoxLayout;
    const QString titles[] = {tr("电脑设置"), tr("报告配置"), tr("基准值")};
    for (int i = 0; i < 3; ++i) {
        auto* tab = new QPushButton(titles[i], this);
        tab->setCheckable(true);
        m_tabs->addButton(tab, i);
        tabRow->addWidget(tab);
    }
    tabRow->addStretch(1);
    layout->addLayout(tabRow);
    layout->addWidget(m_pages, 1);

    m_pages->addWidget(new CComputerSettingsPage(store, state, this));
    // The report configuration page arrives with the reports; its tab stays greyed till then.
    auto* reportPlaceholder = new QLabel(this);
    m_pages->addWidget(reportPlaceholder);
    m_tabs->button(ReportPage)->setEnabled(false);
    m_pages->addWidget(new CThresholdsPage(store, state, this));

    connect(m_tabs, &QButtonGroup::idClicked, this, [this](int id) { showPage(Page(id)); });
    showPage(startPage);
}

QWidget* CConfigDialog::page(Page page) const {
    return m_pages->widget(page);
}

void CConfigDialog::showPage(Page page) {
    m_pages->setCurrentIndex(page);
    if (QAbstractButton* tab = m_tabs->button(page)) tab->setChecked(true);
}

void CConfigDialog::pageFinished(Page page, bool accepted) {
    if (page != m_startPage) return;
    if (accepted)
        accept();
    else
        reject();
}
