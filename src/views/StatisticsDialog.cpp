#include "StatisticsDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "BpStatistics.h"
#include "ClinicalTexts.h"

namespace {

QString Mean(float value) {
    return QString::asprintf("%.1f", static_cast<double>(value));
}

QString MeanPressure(const SetSummary& set) {
    return QString::asprintf("%.1f/%.1f", static_cast<double>(set[BpQuantity::Systolic].mean),
                             static_cast<double>(set[BpQuantity::Diastolic].mean));
}

QString Percent(int over, int count) {
    return QString::asprintf("%.1f", LoadPercent(over, count));
}

// Count, pressure, heart rate and pulse pressure of one period row.
void AppendPeriodRow(std::array<QString, StatisticsDialog::kValueCount>& texts, std::size_t at,
                     int count, const SetSummary& set) {
    texts[at] = QString::asprintf("%d", count);
    texts[at + 1] = MeanPressure(set);
    texts[at + 2] = Mean(set[BpQuantity::HeartRate].mean);
    texts[at + 3] = Mean(set[BpQuantity::PulsePressure].mean);
}

QGridLayout* TableGrid(QGroupBox* box, const QStringList& columns) {
    auto* grid = new QGridLayout(box);
    const QStringList rows = {QCoreApplication::translate("StatisticsDialog", "非睡眠"),
                              QCoreApplication::translate("StatisticsDialog", "睡眠"),
                              QCoreApplication::translate("StatisticsDialog", "总数")};
    for (int c = 0; c < columns.size(); ++c)
        grid->addWidget(new QLabel(columns[c], box), 0, c + 1);
    for (int r = 0; r < rows.size(); ++r)
        grid->addWidget(new QLabel(rows[r], box), r + 1, 0);
    return grid;
}

constexpr int kClinicalTextWidth = 560;

QGroupBox* ClinicalSection(const ClinicalSummary& summary, QWidget* parent) {
    const ClinicalTexts t = ClinicalTexts::Of(summary);
    auto* box = new QGroupBox(t.heading, parent);
    auto* layout = new QVBoxLayout(box);
    const auto line = [&](const QString& text) {
        auto* label = new QLabel(text, box);
        label->setWordWrap(true);
        // A dialog's layout does not ask a wrapped label for its height at the width it gets:
        // reserve the lines it needs at its narrowest, so that no line is cut off.
        label->setMinimumWidth(kClinicalTextWidth);
        label->setMinimumHeight(label->heightForWidth(kClinicalTextWidth));
        layout->addWidget(label);
    };
    const auto table = [&](const QStringList& columns) {
        auto* grid = new QGridLayout;
        for (int c = 0; c < columns.size(); ++c)
            grid->addWidget(new QLabel(columns[c], box), 0, c);
        layout->addLayout(grid);
        return grid;
    };
    line(t.guideline);
    line(t.validity);
    QGridLayout* periods = table(t.periodColumns);
    for (int r = 0; r < static_cast<int>(t.periods.size()); ++r) {
        const ClinicalTexts::PeriodRow& p = t.periods[static_cast<std::size_t>(r)];
        const QString cells[] = {p.period, p.count, p.mean, p.heartRate, p.threshold, p.verdict};
        for (int c = 0; c < 6; ++c)
            periods->addWidget(new QLabel(cells[c], box), r + 1, c);
    }
    line(t.dipping);
    line(t.morningSurge);
    QGridLayout* variability = table(QStringList{QString()} + t.variabilityColumns);
    for (int r = 0; r < static_cast<int>(t.variability.size()); ++r) {
        const ClinicalTexts::VariabilityRow& v = t.variability[static_cast<std::size_t>(r)];
        variability->addWidget(new QLabel(v.quantity, box), r + 1, 0);
        for (int c = 0; c < static_cast<int>(v.cells.size()); ++c)
            variability->addWidget(new QLabel(v.cells[static_cast<std::size_t>(c)], box), r + 1,
                                   c + 1);
    }
    line(t.aasi);
    line(t.interpretation);
    return box;
}

} // namespace

std::array<QString, StatisticsDialog::kValueCount>
StatisticsDialog::ValueTexts(const BpStatistics& s) {
    std::array<QString, kValueCount> texts;
    AppendPeriodRow(texts, 0, s.awakeCount, s.awake);
    AppendPeriodRow(texts, 4, s.asleepCount, s.asleep);
    AppendPeriodRow(texts, 8, s.includedCount, s.included);
    const BpThresholds& t = s.thresholds;
    texts[12] = Percent(s.awakeSysOver, s.awakeCount);
    texts[13] = Percent(s.awakeDiaOver, s.awakeCount);
    texts[14] = QString::asprintf("%d/%d", t.awakeSys, t.awakeDia);
    texts[15] = Percent(s.asleepSysOver, s.asleepCount);
    texts[16] = Percent(s.asleepDiaOver, s.asleepCount);
    texts[17] = QString::asprintf("%d/%d", t.asleepSys, t.asleepDia);
    texts[18] = Percent(s.daySysOver, s.includedCount);
    texts[19] = Percent(s.dayDiaOver, s.includedCount);
    return texts;
}

StatisticsDialog::StatisticsDialog(const BpStatistics& stats, const ClinicalSummary& clinical,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("统计信息"));
    const std::array<QString, kValueCount> texts = ValueTexts(stats);
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i] = new QLabel(texts[i], this);

    auto* readings = new QGroupBox(tr("血压读取"), this);
    QGridLayout* first =
        TableGrid(readings, {tr("次数"), tr("血压[mmHg]"), tr("心率[BPM]"), tr("压差[mmHg]")});
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            first->addWidget(m_values[static_cast<std::size_t>(row * 4 + col)], row + 1, col + 1);

    auto* loads = new QGroupBox(this);
    QGridLayout* second = TableGrid(loads, {tr("收缩压%"), tr("舒张压 %"), tr("基准值")});
    // Awake and asleep rows have three values, the total row two (no threshold of its own).
    const int perRow[3] = {3, 3, 2};
    std::size_t next = 12;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < perRow[row]; ++col)
            second->addWidget(m_values[next++], row + 1, col + 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    QPushButton* help = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &StatisticsDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(readings);
    layout->addWidget(loads);
    m_clinical = ClinicalSection(clinical, this);
    layout->addWidget(m_clinical);
    layout->addWidget(buttons);
}

QLabel* StatisticsDialog::valueLabel(int controlId) const {
    const int i = controlId - kFirstControl;
    if (i < 0 || i >= kValueCount) return nullptr;
    return m_values[static_cast<std::size_t>(i)];
}
