#include "Spo2TrendDisplay.h"

#include <QPainter>
#include <QShortcut>
#include <QWidget>

#include "AppState.h"
#include "Spo2DisplaySettingsDialog.h"
#include "Spo2ParametersDialog.h"

Spo2TrendDisplay::Spo2TrendDisplay(QWidget* view, AppState& state)
    : QObject(view), m_view(view), m_state(state) {
    // The arrow keys step and the page keys page while the trend is shown.
    const std::pair<QKeySequence, Move> keys[] = {{QKeySequence(Qt::Key_Left), StepLeft},
                                                  {QKeySequence(Qt::Key_Right), StepRight},
                                                  {QKeySequence(Qt::Key_PageUp), PageLeft},
                                                  {QKeySequence(Qt::Key_PageDown), PageRight}};
    for (const auto& [key, m] : keys) {
        auto* shortcut = new QShortcut(key, view);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this, [this, m] { move(m); });
        m_keys.append(shortcut);
    }
}

int Spo2TrendDisplay::seriesLength() const {
    return m_state.spo2Analysis.seriesLength();
}

void Spo2TrendDisplay::recordChanged() {
    leave();
    m_trend = Spo2TrendState{};
    m_curves.invalidate();
    m_stale = true;
    emit lengthSelectorChanged(m_trend.lengthSelector);
}

void Spo2TrendDisplay::enter() {
    m_trend.criticalLevel = m_state.spo2Analysis.criticalLevel();
    m_trend.applyOffset(seriesLength());
    m_trend.spo2Mode = true;
    for (QShortcut* key : m_keys)
        key->setEnabled(true);
    m_stale = true;
}

void Spo2TrendDisplay::leave() {
    m_trend.spo2Mode = false;
    for (QShortcut* key : m_keys)
        key->setEnabled(false);
}

void Spo2TrendDisplay::changed() {
    m_stale = true;
    emit lengthSelectorChanged(m_trend.lengthSelector);
    emit repaintRequested();
}

void Spo2TrendDisplay::chooseWindow(Spo2TrendState::Selector selector) {
    m_trend.chooseFixedWindow(selector);
    changed();
}

// Cancelled, the window stays and the pressed button goes back to the one it was.
void Spo2TrendDisplay::chooseManualWindow() {
    Spo2DisplaySettingsDialog dialog(m_trend.window, seriesLength(), m_view);
    connect(&dialog, &Spo2DisplaySettingsDialog::helpRequested, this,
            &Spo2TrendDisplay::helpRequested);
    if (dialog.exec() == QDialog::Accepted) m_trend.chooseManualWindow(dialog.window());
    changed();
}

void Spo2TrendDisplay::move(Move move) {
    const int length = seriesLength();
    switch (move) {
    case PageLeft:
        m_trend.pageLeft();
        break;
    case StepLeft:
        m_trend.stepLeft();
        break;
    case StepRight:
        m_trend.stepRight(length);
        break;
    case PageRight:
        m_trend.pageRight(length);
        break;
    }
    changed();
}

void Spo2TrendDisplay::editParameters() {
    Spo2Analysis& analysis = m_state.spo2Analysis;
    Spo2ParametersDialog dialog(analysis.parameters(), m_view);
    connect(&dialog, &Spo2ParametersDialog::helpRequested, this, &Spo2TrendDisplay::helpRequested);
    if (dialog.exec() != QDialog::Accepted) return;
    const Spo2Parameters& p = dialog.parameters();
    analysis.setSpo2Parameters(p.dropThreshold, p.minimumDuration);
    analysis.setPulseParameters(p.pulseChangeThreshold, p.pulseMinimumDuration);
    analysis.setCriticalLevel(p.criticalLevel);
    // The events shown follow the new thresholds at once.
    analysis.analyse(m_state.spo2);
    m_trend.criticalLevel = p.criticalLevel;
    changed();
}

void Spo2TrendDisplay::paint(QPainter& painter, const QRect& area) {
    if (area.isEmpty()) return;
    const qreal ratio = m_view->devicePixelRatioF();
    if (m_stale || area != m_pictureArea || m_picture.devicePixelRatio() != ratio) {
        if (m_picture.size() != area.size() * ratio) m_picture = QPixmap(area.size() * ratio);
        m_picture.setDevicePixelRatio(ratio);
        QPainter p(&m_picture);
        p.setFont(m_view->font());
        PaintSpo2Trend(p, QRect(QPoint(0, 0), area.size()), m_trend, m_state.spo2Analysis,
                       m_state.spo2, m_curves);
        m_pictureArea = area;
        m_stale = false;
    }
    painter.drawPixmap(area.topLeft(), m_picture);
}
