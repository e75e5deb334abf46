#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>

#include "ControlBar.h"
#include "RecordViewTest.h"
#include "SeriesBuilder.h"
#include "Spo2DisplaySettingsDialog.h"
#include "Spo2ParametersDialog.h"
#include "Spo2TrendDisplay.h"
#include "WhenShown.h"

using namespace SeriesBuilder;

namespace {

// A record whose series lasts 90 minutes with one desaturation of 12 s at second 99.
class Spo2ViewTest : public RecordViewTest {
  protected:
    void SetUp() override {
        SampleTest test;
        test.readings.resize(2);
        showView(test);
        open();
        const auto fall = Join({Repeat(96, 100), Ramp(95, 86), {86, 85}});
        state.spo2 = MakeSeries(Join({fall, Repeat(95, 5400 - int(fall.size()))}));
        state.spo2Analysis.analyse(state.spo2);
    }
    void click(int id) { view->controlBar()->button(id)->click(); }
    const Spo2TrendState& trend() const { return view->spo2Trend()->trend(); }
};

} // namespace

TEST_F(Spo2ViewTest, LengthButtonsPagingManualLengthsAndParametersDriveTheTrend) {
    click(ControlBar::OneHour); // brings up the SpO2 trend as well
    EXPECT_EQ(view->displayMode(), COBLView::Spo2Trend);
    EXPECT_EQ(trend().window, 3600);
    click(ControlBar::PageRight);
    EXPECT_EQ(trend().offset, 3600);
    click(ControlBar::StepLeft); // one grid step of 300 s
    EXPECT_EQ(trend().offset, 3300);
    click(ControlBar::PageLeft);
    EXPECT_EQ(trend().offset, 0);
    view->selectBpTrend(32902);
    EXPECT_FALSE(trend().spo2Mode);
    click(ControlBar::Spo2Trend);
    EXPECT_TRUE(trend().spo2Mode);
    EXPECT_EQ(trend().window, 3600); // kept while the record stays open

    WhenShown<Spo2DisplaySettingsDialog>([](Spo2DisplaySettingsDialog* d) {
        d->hoursEdit()->setText("0");
        d->minutesEdit()->setText("45");
        d->accept();
    });
    click(ControlBar::ManualLength);
    EXPECT_EQ(trend().window, 2700);
    click(ControlBar::TenMinutes);
    WhenShown<Spo2DisplaySettingsDialog>([](Spo2DisplaySettingsDialog* d) { d->reject(); });
    click(ControlBar::ManualLength);
    EXPECT_EQ(trend().window, 600);
    EXPECT_TRUE(view->controlBar()->button(ControlBar::TenMinutes)->isChecked());

    ASSERT_EQ(state.spo2Analysis.eventCount(), 1);
    WhenShown<Spo2ParametersDialog>([](Spo2ParametersDialog* d) {
        d->field(1173)->setText("13"); // longer than the 12 s fall
        d->field(1174)->setText("90");
        d->accept();
    });
    click(ControlBar::Spo2Parameters);
    EXPECT_EQ(state.spo2Analysis.eventCount(), 0);
    EXPECT_EQ(std::pair(state.spo2Analysis.criticalLevel(), trend().criticalLevel),
              std::pair(90, 90));
}

TEST_F(Spo2ViewTest, ALengthButtonWithoutSpo2DataSaysSoAndKeepsTheChosenLength) {
    state.spo2.clear();
    MessageBoxCatcher boxes;
    click(ControlBar::OneHour);
    EXPECT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(view->displayMode(), COBLView::BpTrend);
    EXPECT_TRUE(view->controlBar()->button(ControlBar::TenMinutes)->isChecked());
}
