#include "ControlBar.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "StringTable.h"

ControlBar::ControlBar(QWidget* parent)
    : QWidget(parent), m_lengths(new QButtonGroup(this)), m_kind(new QLabel(this)) {
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    // The kind of display: a caption with its two buttons (a framed group needs more height
    // than the bar has).
    row->addWidget(m_kind);
    row->addWidget(addButton(BpTrend, false));
    row->addWidget(addButton(Spo2Trend, false));
    row->addSpacing(12);
    row->addWidget(addButton(Spo2Parameters, false));
    for (int id = OneMinute; id <= ManualLength; ++id) {
        QAbstractButton* b = addButton(id, true);
        m_lengths->addButton(b, id);
        row->addWidget(b);
    }
    for (int id = PageLeft; id <= PageRight; ++id)
        row->addWidget(addButton(id, false));
    row->addStretch();
    m_lengths->setExclusive(true);
    setLengthSelector(1); // the ten-minute window the SpO2 trend starts with
    retranslate();
}

QAbstractButton* ControlBar::addButton(int id, bool checkable) {
    auto* b = new QPushButton(this);
    b->setCheckable(checkable);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, id] { emit commandTriggered(id); });
    m_buttons[id] = b;
    return b;
}

QAbstractButton* ControlBar::button(int id) const {
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

void ControlBar::setSpo2Enabled(bool enabled) {
    for (auto& [id, b] : m_buttons)
        if (id != BpTrend) b->setEnabled(enabled);
}

void ControlBar::setLengthSelector(int selector) {
    if (QAbstractButton* b = m_lengths->button(OneMinute + selector)) b->setChecked(true);
}

void ControlBar::retranslate() {
    m_kind->setText(tr("图形类型"));
    button(BpTrend)->setText(StringTable::label(57785));
    button(Spo2Trend)->setText(tr("血氧趋势"));
    button(Spo2Parameters)->setText(tr("参数设置"));
    const int lengthTexts[] = {57732, 57733, 57734, 57735};
    for (int i = 0; i < 4; ++i)
        button(OneMinute + i)->setText(StringTable::label(lengthTexts[i]));
    const int pagingTexts[] = {57728, 57729, 57730, 57731};
    for (int i = 0; i < 4; ++i)
        button(PageLeft + i)->setText(StringTable::label(pagingTexts[i]));
}

void ControlBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}
