#include "CPageSelectionTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ConfigStore.h"
#include "GbkText.h"

namespace {

// By position of the page's key: the page kinds 0 to 10, then the clinical summary.
const char* const kPageLabels[] = {
    QT_TRANSLATE_NOOP("CPageSelectionTab", "患者统计页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "摘要统计页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "动态血压总结页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "图形页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "条状图页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "柱状图页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "饼图页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "拟合线页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "频率柱状图页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "HR/MAP/PP柱状图页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "测量数据页"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "临床摘要页"),
};
static_assert(std::size(kPageLabels) == PageKinds::kPageKeys.size());

// By "Spo2 Page" value − 1.
const char* const kSpo2Labels[] = {
    QT_TRANSLATE_NOOP("CPageSelectionTab", "概要报告"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "全面分析报告"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "血氧定量分析报告"),
    QT_TRANSLATE_NOOP("CPageSelectionTab", "带柱状图表报告"),
};

} // namespace

CPageSelectionTab::CPageSelectionTab(const ReportConfig& layout, bool isNew, QWidget* parent)
    : QWidget(parent), m_name(new QLineEdit(FromGbk(layout.name), this)),
      m_spo2(new QCheckBox(tr("血氧报告"), this)), m_spo2Types(new QButtonGroup(this)) {
    auto* layoutBox = new QVBoxLayout(this);
    auto* nameRow = new QFormLayout;
    // Only a new name is typed; an existing one is shown whole and never changed here.
    if (isNew) m_name->setMaxLength(int(ReportConfig::kMaxNameLength));
    m_name->setEnabled(isNew);
    nameRow->addRow(tr("报告名称"), m_name);
    layoutBox->addLayout(nameRow);

    auto* pages = new QGroupBox(tr("血压报告页"), this);
    auto* grid = new QGridLayout(pages);
    const int rows = (int(std::size(kPageLabels)) + 1) / 2;
    for (int kind = 0; kind < int(std::size(kPageLabels)); ++kind) {
        m_pages[kind] = new QCheckBox(tr(kPageLabels[kind]), pages);
        m_pages[kind]->setChecked(layout.pageFlags[std::size_t(kind)] == 1);
        grid->addWidget(m_pages[kind], kind % rows, kind / rows);
    }
    layoutBox->addWidget(pages);

    auto* spo2 = new QGroupBox(this);
    auto* spo2Layout = new QVBoxLayout(spo2);
    spo2Layout->addWidget(m_spo2);
    for (int i = 0; i < int(std::size(kSpo2Labels)); ++i) {
        auto* radio = new QRadioButton(tr(kSpo2Labels[i]), spo2);
        m_spo2Types->addButton(radio, i);
        spo2Layout->addWidget(radio);
    }
    layoutBox->addWidget(spo2);
    layoutBox->addStretch(1);

    setSpo2(layout.spo2Report);
    setFocusProxy(isNew ? static_cast<QWidget*>(m_name) : m_pages[0]);
    // Switching the SpO2 report on offers its first type; off leaves no type chosen.
    connect(m_spo2, &QCheckBox::clicked, this, [this](bool on) { setSpo2(on ? 1 : 0); });
}

QRadioButton* CPageSelectionTab::spo2Radio(int index) const {
    return static_cast<QRadioButton*>(m_spo2Types->button(index));
}

void CPageSelectionTab::setSpo2(int report) {
    m_spo2->setChecked(report > 0);
    // An exclusive group will not let its last button go.
    m_spo2Types->setExclusive(false);
    for (QAbstractButton* radio : m_spo2Types->buttons()) {
        radio->setChecked(m_spo2Types->id(radio) == report - 1);
        radio->setEnabled(report > 0);
    }
    m_spo2Types->setExclusive(true);
}

void CPageSelectionTab::store(ReportConfig& layout) const {
    if (m_name->isEnabled()) layout.name = ConfigStore::TrimBlanks(ToGbk(m_name->text()));
    for (std::size_t kind = 0; kind < layout.pageFlags.size(); ++kind)
        layout.pageFlags[kind] = m_pages[kind]->isChecked() ? 1 : 0;
    layout.spo2Report = m_spo2->isChecked() ? m_spo2Types->checkedId() + 1 : 0;
}
