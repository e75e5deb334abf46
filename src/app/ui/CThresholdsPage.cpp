#include "CThresholdsPage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppState.h"
#include "CConfigDialog.h"
#include "CIniDocument.h"
#include "ClinicalTexts.h"
#include "ConfigStore.h"
#include "Help.h"
#include "SaveFailed.h"
#include "StringTable.h"
#include "ThresholdRules.h"

CThresholdsPage::CThresholdsPage(ConfigStore& store, AppState& state, CConfigDialog* dialog)
    : QWidget(dialog), m_store(store), m_state(state), m_dialog(dialog) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("非睡眠"), this), 0, 1);
    grid->addWidget(new QLabel(tr("睡眠"), this), 0, 2);
    grid->addWidget(new QLabel(tr("收缩压"), this), 1, 0);
    grid->addWidget(new QLabel(tr("舒张压"), this), 2, 0);
    for (int i = 0; i < 4; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setMaxLength(3);
        // Awake systolic, asleep systolic, awake diastolic, asleep diastolic.
        grid->addWidget(m_fields[i], 1 + i / 2, 1 + i % 2);
    }
    layout->addLayout(grid);
    // The guideline's own thresholds judge the clinical summary; the four above stay as they are.
    auto* guidelineRow = new QHBoxLayout;
    m_guideline = new QComboBox(this);
    for (ClinicalGuideline g : {ClinicalGuideline::Esh2023, ClinicalGuideline::AccAha2017})
        m_guideline->addItem(ClinicalTexts::guidelineName(g), static_cast<int>(g));
    auto* guidelineLabel = new QLabel(tr("临床摘要诊断指南(&G)"), this);
    guidelineLabel->setBuddy(m_guideline);
    guidelineRow->addWidget(guidelineLabel);
    guidelineRow->addWidget(m_guideline, 1);
    layout->addLayout(guidelineRow);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确认(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    AddHelpButton(buttons, this);
    QPushButton* reset = buttons->addButton(tr("默认值"), QDialogButtonBox::ResetRole);
    connect(reset, &QPushButton::clicked, this, &CThresholdsPage::defaults);
    connect(buttons, &QDialogButtonBox::accepted, this, &CThresholdsPage::ok);
    connect(buttons, &QDialogButtonBox::rejected, this,
            [this] { m_dialog->pageFinished(CConfigDialog::ThresholdsPage, false); });
    layout->addWidget(buttons);

    const BpThresholds t = m_store.currentThresholds();
    const int values[] = {t.awakeSys, t.asleepSys, t.awakeDia, t.asleepDia};
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(QString::number(values[i]));
    m_guideline->setCurrentIndex(
        m_guideline->findData(static_cast<int>(m_store.currentGuideline())));
}

void CThresholdsPage::defaults() {
    const BpThresholds d;
    const int values[] = {d.awakeSys, d.asleepSys, d.awakeDia, d.asleepDia};
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(QString::number(values[i]));
    m_guideline->setCurrentIndex(m_guideline->findData(static_cast<int>(kDefaultGuideline)));
}

void CThresholdsPage::ok() {
    int v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = CIniDocument::AtoI(m_fields[i]->text().toStdString());
    const BpThresholds t{v[0], v[1], v[2], v[3]};
    const ThresholdCheck check = CheckThresholds(t);
    if (check != ThresholdCheck::Accepted) {
        QMessageBox::warning(this, tr("基准值"), StringTable::text(int(check)));
        return;
    }
    const auto guideline = static_cast<ClinicalGuideline>(m_guideline->currentData().toInt());
    if (!m_store.writeThresholds(m_store.currentSection(), t) ||
        !m_store.writeGuideline(m_store.currentSection(), guideline)) {
        ShowSaveFailed(this, m_store.filePath());
        return;
    }
    m_state.record.thresholds = t;
    m_state.guideline = guideline;
    m_dialog->setChanged();
    m_dialog->pageFinished(CConfigDialog::ThresholdsPage, true);
}
