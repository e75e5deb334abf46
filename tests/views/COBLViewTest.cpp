#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "CommentDialog.h"
#include "RecordViewTest.h"
#include "StatisticsDialog.h"
#include "WhenShown.h"

namespace {

// Four readings (130/80 ... 133/80) from 8:00, 30 minutes apart, the first commented with 40
// characters; on a 1600 x 1000 view they lie 350 pixels apart from x = 80 (7 * 1600 / 8 = 1400
// over four readings).
class ViewTest : public RecordViewTest {
  protected:
    void SetUp() override {
        SampleTest t;
        t.readings.resize(4);
        for (int i = 0; i < 4; ++i)
            t.readings[i] = {130 + i, 80, 70, 93, 30 * i, 0, false, false, ""};
        t.readings[0].comment = std::string(40, 'c');
        showView(t);
        open();
    }
    void clickAt(int x, int y) { QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(x, y)); }
};

} // namespace

// Through the window, as the system delivers a double click: press, release, double click,
// release. It counts as a second click. A write that fails is named and changes nothing.
TEST_F(ViewTest, AClickTogglesExclusionInTheFileADoubleClickTwiceAndStatisticsCountTheRest) {
    const std::string before = ReadFileBytes(path);
    clickAt(430 + 40, 400); // beside every reading
    EXPECT_EQ(ReadFileBytes(path), before);
    QSignalSpy edits(view.get(), &COBLView::recordEdited);
    QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, {}, QPoint(440, 400));
    EXPECT_EQ(edits.count(), 2);
    EXPECT_EQ(state.record.test.readings[1].included, 1);
    EXPECT_EQ(ReadFileBytes(path), before);
    clickAt(430 + 10, 400); // reading 2 lies at 80 + 350
    EXPECT_EQ(state.record.test.readings[1].included, 0);
    EXPECT_EQ(StoredValue(path, "TEST 1", "2").at(22), '1'); // the exclusion mark
    EXPECT_EQ(StoredValue(path, "TEST 1", "1").at(22), '0');
    EXPECT_EQ(state.readingSets.included.size(), 3u); // the layout re-classified
    std::filesystem::remove(path);
    MessageBoxCatcher boxes;
    clickAt(440, 400);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_TRUE(boxes.texts()[0].contains(QString::fromStdString(path)));
    EXPECT_EQ(state.record.test.readings[1].included, 0);
    EXPECT_FALSE(FileExists(path));
    // Statistics show over the trend: three readings count, (130 + 132 + 133) / 3 = 131.7.
    view->setDisplayMode(COBLView::BarCharts);
    QString count, pressure;
    COBLView::DisplayMode modeWhileShown = COBLView::BarCharts;
    WhenShown<StatisticsDialog>([&](StatisticsDialog* d) {
        count = d->valueLabel(1128)->text();
        pressure = d->valueLabel(1129)->text();
        modeWhileShown = view->displayMode();
        d->accept();
    });
    view->showStatistics();
    EXPECT_EQ(count, QStringLiteral("3"));
    EXPECT_EQ(pressure, QStringLiteral("131.7/80.0"));
    EXPECT_EQ(modeWhileShown, COBLView::BpTrend);
}

// The comment goes to the reading under the pointer. One left as it was is neither cut to what
// the dialog takes (30) nor written. Without SpO2 data the SpO2 display says so.
TEST_F(ViewTest, ARightClickCommentIsStoredOneLeftAsItWasIsNotAndSpo2WithoutDataIsNamed) {
    const std::string before = ReadFileBytes(path);
    QTest::mouseMove(view.get(), QPoint(100, 400));
    WhenShown<CommentDialog>([](CommentDialog* d) {
        EXPECT_EQ(d->comment().size(), 40);
        d->editor()->end(false);
        QTest::keyClicks(d->editor(), QStringLiteral("x"));
        d->accept();
    });
    QTest::mouseClick(view.get(), Qt::RightButton, {}, QPoint(100, 400));
    EXPECT_EQ(state.record.test.readings[0].comment, std::string(40, 'c'));
    EXPECT_EQ(ReadFileBytes(path), before);
    QTest::mouseMove(view.get(), QPoint(440, 400));
    WhenShown<CommentDialog>([](CommentDialog* d) {
        EXPECT_EQ(d->editor()->maxLength(), 30);
        d->editor()->setText(QStringLiteral("dizzy"));
        d->accept();
    });
    QTest::mouseClick(view.get(), Qt::RightButton, {}, QPoint(440, 400));
    EXPECT_EQ(state.record.test.readings[1].comment, "dizzy");
    EXPECT_EQ(StoredValue(path, "TEST 1", "C2"), "dizzy");
    MessageBoxCatcher boxes;
    view->setDisplayMode(COBLView::Spo2Trend);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], QStringLiteral("当前病历文件中没有血氧数据!"));
    EXPECT_EQ(view->displayMode(), COBLView::BpTrend);
}
