#include "COBLView.h"

#include <QPainter>

#include "AppState.h"

COBLView::COBLView(AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setAutoFillBackground(false);
}

void COBLView::recordChanged() { update(); }

void COBLView::setDisplayMode(DisplayMode mode) {
    m_mode = mode;
    update();
}

void COBLView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
}
