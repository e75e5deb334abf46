#include "ChartDisplay.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>

#include "AppState.h"
#include "BarChartPainter.h"
#include "BpTrendPainter.h"
#include "FitLinePainter.h"
#include "PieChartPainter.h"
#include "StringTable.h"

namespace {

constexpr int kFieldMinimum = 0;
constexpr int kFieldMaximum = 300;

bool IsUpperField(int index) {
    return index % 2 == 0;
}

} // namespace

ChartDisplay::ChartDisplay(QWidget* view, AppState& state)
    : QObject(view), m_view(view), m_state(state) {
    createControls();
    retranslate();
    syncFromState();
    setChart(Chart::None);
    // A change of language reaches the view; the controls' texts follow it.
    m_view->installEventFilter(this);
}

void ChartDisplay::createControls() {
    m_periods = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(m_view);
        button->setObjectName(QString::number(kFirstPeriodId + i));
        m_periods->addButton(button, kFirstPeriodId + i);
        m_periodButtons[static_cast<std::size_t>(i)] = button;
    }
    connect(m_periods, &QButtonGroup::idClicked, this, &ChartDisplay::onPeriodClicked);
    for (int i = 0; i < 6; ++i) {
        auto* field = new QSpinBox(m_view);
        field->setObjectName(QString::number(kFirstFieldId + i));
        field->setRange(kFieldMinimum, kFieldMaximum);
        // A typed limit takes effect when it is complete (Enter or leaving the field): while
        // "150" is being typed, "1" must not push the other limit about.
        field->setKeyboardTracking(false);
        const int id = kFirstFieldId + i;
        connect(field, &QSpinBox::valueChanged, this, [this, id] { onFieldChanged(id); });
        m_fields[static_cast<std::size_t>(i)] = field;
        m_fieldLabels[static_cast<std::size_t>(i)] = new QLabel(m_view);
    }
    for (QLabel*& label : m_bandLabels)
        label = new QLabel(m_view);
}

void ChartDisplay::retranslate() {
    for (std::size_t i = 0; i < m_periodButtons.size(); ++i)
        m_periodButtons[i]->setText(StringTable::label(57775 + static_cast<int>(i)));
    for (std::size_t i = 0; i < m_fieldLabels.size(); ++i)
        m_fieldLabels[i]->setText(StringTable::label(IsUpperField(int(i)) ? 57778 : 57779));
    relayout();
}

bool ChartDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::LanguageChange) retranslate();
    return QObject::eventFilter(watched, event);
}

QRadioButton* ChartDisplay::periodButton(int id) const {
    const int i = id - kFirstPeriodId;
    return i >= 0 && i < 3 ? m_periodButtons[static_cast<std::size_t>(i)] : nullptr;
}

QSpinBox* ChartDisplay::bandField(int id) const {
    const int i = id - kFirstFieldId;
    return i >= 0 && i < 6 ? m_fields[static_cast<std::size_t>(i)] : nullptr;
}

QLabel* ChartDisplay::bandLabel(int index) const {
    return index >= 0 && index < 3 ? m_bandLabels[static_cast<std::size_t>(index)] : nullptr;
}

void ChartDisplay::syncFromState() {
    const int period = static_cast<int>(m_state.chart.period);
    m_periodButtons[static_cast<std::size_t>(period)]->setChecked(true);
    for (int q = 0; q < 3; ++q) {
        const ChartBand& band = m_state.chart.bands.of(kChartQuantities[std::size_t(q)].quantity);
        for (int k = 0; k < 2; ++k) {
            QSpinBox* field = m_fields[static_cast<std::size_t>(2 * q + k)];
            const QSignalBlocker block(field);
            field->setValue(k == 0 ? band.upper : band.lower);
        }
        showBandLabel(q);
    }
}

// "L-U mmHg", and for the heart rate "L-U bpm".
void ChartDisplay::showBandLabel(int index) {
    const ChartQuantity& quantity = kChartQuantities[static_cast<std::size_t>(index)];
    const ChartBand& band = m_state.chart.bands.of(quantity.quantity);
    m_bandLabels[static_cast<std::size_t>(index)]->setText(
        QString::asprintf("%d-%d %s", band.lower, band.upper, quantity.unit));
}

void ChartDisplay::onPeriodClicked(int id) {
    m_state.chart.period = static_cast<ChartPeriod>(id - kFirstPeriodId);
    if (m_chart == Chart::Bars || m_chart == Chart::Pies) emit repaintRequested(m_view->rect());
}

// A lower limit above the upper one is not a band: the limit just edited gives way to the
// other one.
void ChartDisplay::onFieldChanged(int id) {
    const int index = id - kFirstFieldId;
    const int pair = index / 2;
    QSpinBox* upperField = m_fields[static_cast<std::size_t>(2 * pair)];
    QSpinBox* lowerField = m_fields[static_cast<std::size_t>(2 * pair + 1)];
    int upper = upperField->value();
    int lower = lowerField->value();
    if (lower > upper) {
        QSpinBox* edited = IsUpperField(index) ? upperField : lowerField;
        const int other = IsUpperField(index) ? lower : upper;
        const QSignalBlocker block(edited);
        edited->setValue(other);
        upper = lower = other;
    }
    m_state.chart.bands.of(kChartQuantities[static_cast<std::size_t>(pair)].quantity) = {upper,
                                                                                         lower};
    showBandLabel(pair);
    if (m_chart == Chart::Pies) emit repaintRequested(pieArea());
}

void ChartDisplay::setChart(Chart chart) {
    m_chart = chart;
    const bool periods = chart == Chart::Bars || chart == Chart::Pies;
    const bool bands = chart == Chart::Pies;
    for (QRadioButton* b : m_periodButtons)
        b->setVisible(periods);
    for (QSpinBox* f : m_fields)
        f->setVisible(bands);
    for (QLabel* l : m_fieldLabels)
        l->setVisible(bands);
    for (QLabel* l : m_bandLabels)
        l->setVisible(bands);
    relayout();
}

void ChartDisplay::relayout() {
    placePeriodButtons();
    placeBandControls();
}

// In a row inside the top margin that the charts leave free.
void ChartDisplay::placePeriodButtons() {
    const int margin = m_view->height() / 20;
    int x = m_view->fontMetrics().height();
    for (QRadioButton* b : m_periodButtons) {
        const QSize size = b->sizeHint();
        b->setGeometry(x, std::max(0, (margin - size.height()) / 2), size.width(), size.height());
        x += size.width() + m_view->fontMetrics().height();
    }
}

// Beside each pie: the upper limit and its label, the lower limit and its label, then the band.
void ChartDisplay::placeBandControls() {
    const PieChartLayout layout = LayoutPieCharts(m_view->rect(), m_view->fontMetrics());
    const int column = layout.columnWidth;
    for (std::size_t q = 0; q < 3; ++q) {
        const QPoint origin = layout.pies[q].controlsTopLeft;
        const int height = m_fields[2 * q]->sizeHint().height();
        const int width = std::max(m_fields[2 * q]->sizeHint().width(), column * 2 / 3);
        const int step = height + height / 4;
        for (std::size_t k = 0; k < 2; ++k) {
            const int y = origin.y() + static_cast<int>(k) * step;
            m_fields[2 * q + k]->setGeometry(origin.x(), y, width, height);
            QLabel* label = m_fieldLabels[2 * q + k];
            label->setGeometry(origin.x() + column, y, label->sizeHint().width(), height);
        }
        QLabel* band = m_bandLabels[q];
        band->setGeometry(origin.x(), origin.y() + 2 * step, 2 * column, height);
    }
}

QRect ChartDisplay::pieArea() const {
    return LayoutPieCharts(m_view->rect(), m_view->fontMetrics()).area;
}

void ChartDisplay::paint(QPainter& painter) {
    ClassifyReadings(m_state.record.test, m_state.readingSets);
    const QRect all = m_view->rect();
    painter.fillRect(all, TrendColours::kBackground);
    ChartPaintOptions options;
    options.fillBackground = false;
    const ReadingSet& set = ChartSetOf(m_state.readingSets, m_state.chart.period);
    switch (m_chart) {
    case Chart::Bars:
        PaintBarCharts(painter, all, set, m_state.record.test, options);
        break;
    case Chart::Pies:
        PaintPieCharts(painter, all, set, m_state.record.test, m_state.chart.bands, options);
        break;
    case Chart::FitLine:
        // The scatter keeps 20 pixels free above, right and below.
        PaintFitLine(painter, QRect(0, 20, all.width() - 20, all.height() - 40),
                     m_state.readingSets, options);
        break;
    case Chart::None:
        break;
    }
}
