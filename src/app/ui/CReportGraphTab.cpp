#include "CReportGraphTab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Choice {
    const char* label;
    bool offered; // usable and chosen
};

} // namespace

CReportGraphTab::CReportGraphTab(QWidget* parent) : QWidget(parent) {
    static const Choice types[] = {{QT_TR_NOOP("线性图形"), true},
                                   {QT_TR_NOOP("条状图形"), false},
                                   {QT_TR_NOOP("与显示相同"), false}};
    static const Choice scales[] = {
        {QT_TR_NOOP("12 小时"), false}, {QT_TR_NOOP("24 小时"), false},
        {QT_TR_NOOP("48 小时"), false}, {QT_TR_NOOP("52 小时"), false},
        {QT_TR_NOOP("自动"), true},     {QT_TR_NOOP("与显示相同"), false}};
    auto* layout = new QHBoxLayout(this);
    const auto addGroup = [&](const QString& title, const Choice* choices, std::size_t count) {
        auto* group = new QGroupBox(title, this);
        auto* column = new QVBoxLayout(group);
        for (std::size_t i = 0; i < count; ++i) {
            auto* radio = new QRadioButton(tr(choices[i].label), group);
            radio->setEnabled(choices[i].offered);
            radio->setChecked(choices[i].offered);
            column->addWidget(radio);
            m_radios << radio;
        }
        column->addStretch(1);
        layout->addWidget(group);
    };
    addGroup(tr("图形类型"), types, std::size(types));
    addGroup(tr("图形尺度"), scales, std::size(scales));
}
