#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "ChartDisplay.h"
#include "RecordViewTest.h"
#include "RecordingPaintDevice.h"

namespace {

// From 08:00 (awake from 07:00, asleep from 22:00): systolic 125 and 135 awake, 105 at 23:00
// asleep. All readings: 105, 125, 135 in the bins (100, 110], (120, 130], (130, 140].
class ChartDisplayTest : public RecordViewTest {
  protected:
    void SetUp() override {
        SampleTest t;
        t.readings = {{125, 80, 70, 93, 0, 0, false, false, ""},
                      {135, 80, 70, 93, 60, 0, false, false, ""},
                      {105, 80, 70, 93, 15 * 60, 0, false, false, ""}};
        showView(t);
        open();
    }
    ChartDisplay& charts() { return *view->charts(); }
    QSpinBox* field(int id) { return charts().bandField(id); }
    RecordingPaintDevice device{QSize(1600, 1000)};
    const std::vector<RecordingPaintDevice::Text>& painted() {
        device.clear();
        QPainter painter(&device);
        charts().paint(painter);
        return device.texts();
    }
};

} // namespace

// The periods and bands chosen hold when the display changes, until a record is opened.
TEST_F(ChartDisplayTest, RadioButtonsChooseThePeriodAndBandEditsKeepTheLowerLimitAtMostTheUpper) {
    view->setDisplayMode(COBLView::BarCharts);
    QSignalSpy repaints(&charts(), &ChartDisplay::repaintRequested);
    charts().periodButton(1002)->click();
    EXPECT_EQ(state.chart.period, ChartPeriod::Awake);
    EXPECT_EQ(repaints.size(), 1);
    std::vector<QString> percentages; // of the two awake readings; heart rate 70 throughout
    for (const auto& t : painted())
        if (t.text.contains('.')) percentages.push_back(t.text);
    EXPECT_EQ(percentages, (std::vector<QString>{"50.0%", "50.0%", "100.0%", "100.0%"}));
    charts().periodButton(1003)->click();
    EXPECT_EQ(state.chart.period, ChartPeriod::Asleep);
    view->setDisplayMode(COBLView::PieCharts);
    repaints.clear();
    field(1013)->setValue(90); // the upper limit lowered below the lower one goes back up to it
    EXPECT_EQ(field(1013)->value(), 100);
    EXPECT_EQ(charts().bandLabel(0)->text(), QStringLiteral("100-100 mmHg"));
    field(1016)->setValue(95); // the lower limit raised above the upper one comes back down
    EXPECT_EQ(field(1016)->value(), 90);
    EXPECT_EQ(charts().bandLabel(1)->text(), QStringLiteral("90-90 mmHg"));
    EXPECT_EQ(state.chart.bands.diastolic.lower, 90);
    field(1017)->setValue(120);
    EXPECT_EQ(charts().bandLabel(2)->text(), QStringLiteral("60-120 bpm"));
    EXPECT_EQ(state.chart.bands.heartRate.upper, 120);
    ASSERT_EQ(repaints.size(), 3);
    for (const auto& t : painted()) { // every text of the pies lies inside the repainted area
        const QFontMetrics fm(t.font);
        EXPECT_TRUE(repaints[2][0].toRect().contains(
            QRect(t.position.toPoint() - QPoint(0, fm.ascent()),
                  QSize(fm.horizontalAdvance(t.text), fm.height()))))
            << t.text.toStdString();
    }
    view->setDisplayMode(COBLView::FitLine);
    EXPECT_EQ(field(1016)->value(), 90);
    open();
    EXPECT_EQ(state.chart.period, ChartPeriod::All);
    EXPECT_TRUE(charts().periodButton(1001)->isChecked());
    EXPECT_EQ(field(1013)->value(), 140);
    EXPECT_EQ(field(1017)->value(), 100);
}
