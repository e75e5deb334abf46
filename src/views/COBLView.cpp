#include "COBLView.h"

#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

#include "AppState.h"
#include "BpStatistics.h"
#include "BpTrendPainter.h"
#include "CEditPatientDataDlg.h"
#include "CIniDocument.h"
#include "ChartDisplay.h"
#include "ClinicalSummary.h"
#include "CommentDialog.h"
#include "ControlBar.h"
#include "GbkText.h"
#include "ReadingSets.h"
#include "ReadingsTableDialog.h"
#include "RecordEdits.h"
#include "SleepPeriodDialog.h"
#include "Spo2TrendDisplay.h"
#include "StatisticsDialog.h"
#include "StringTable.h"

namespace {

constexpr int kBpTrendCommand = 32902;
constexpr int kBarBpTrendCommand = 1016;

BpReading& ReadingOf(AppState& state, int index) {
    return state.record.test.readings[static_cast<std::size_t>(index)];
}

} // namespace

COBLView::COBLView(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_bar(new ControlBar(this)),
      m_charts(new ChartDisplay(this, state)), m_spo2(new Spo2TrendDisplay(this, state)) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_bar->setSpo2Enabled(false);
    connect(m_bar, &ControlBar::commandTriggered, this, &COBLView::onBarCommand);
    connect(m_charts, &ChartDisplay::repaintRequested, this,
            [this](const QRect& area) { update(area); });
    connect(m_spo2, &Spo2TrendDisplay::repaintRequested, this, [this] { update(displayArea()); });
    connect(m_spo2, &Spo2TrendDisplay::lengthSelectorChanged, m_bar,
            &ControlBar::setLengthSelector);
    connect(m_spo2, &Spo2TrendDisplay::helpRequested, this, &COBLView::helpRequested);
}

bool COBLView::hasRecord() const {
    return m_state.record.isLoaded != 0;
}

QRect COBLView::displayArea() const {
    if (m_charts->chart() != ChartDisplay::Chart::None) return rect();
    return QRect(0, 0, width(), std::max(0, height() - ControlBar::kHeight));
}

QString COBLView::startPicturePath() const {
    return QDir(QString::fromLocal8Bit(m_state.programFolder.c_str()))
        .filePath(QStringLiteral("bkPicture.jpg"));
}

void COBLView::showControlsFor(DisplayMode mode) {
    using Chart = ChartDisplay::Chart;
    // Without a record the start page shows, whatever the mode.
    const Chart chart = !hasRecord()        ? Chart::None
                        : mode == BarCharts ? Chart::Bars
                        : mode == PieCharts ? Chart::Pies
                        : mode == FitLine   ? Chart::FitLine
                                            : Chart::None;
    m_bar->setVisible(chart == Chart::None);
    m_charts->setChart(chart);
}

void COBLView::recordChanged() {
    m_hovered = -1;
    m_mode = BpTrend;
    showControlsFor(m_mode);
    m_charts->syncFromState();
    m_spo2->recordChanged();
    m_bar->setSpo2Enabled(hasRecord());
    if (hasRecord()) layoutTrend();
    update();
    scheduleRepaint();
}

void COBLView::refresh() {
    if (hasRecord()) layoutTrend();
    update();
}

void COBLView::setDisplayMode(DisplayMode mode) {
    if (mode == Spo2Trend && m_state.spo2.length() == 0) {
        QMessageBox::information(this, windowTitle(), StringTable::label(57633));
        return;
    }
    if (mode == Spo2Trend)
        m_spo2->enter();
    else
        m_spo2->leave();
    m_mode = mode;
    m_hovered = -1;
    showControlsFor(mode);
    if (mode == BpTrend && hasRecord()) layoutTrend();
    update();
}

void COBLView::selectBpTrend(int commandId) {
    const bool switchOnly = commandId == kBpTrendCommand || commandId == kBarBpTrendCommand;
    if (!hasRecord() && !switchOnly) return;
    setDisplayMode(BpTrend);
}

// The window and paging buttons bring up the SpO2 trend as well.
void COBLView::onBarCommand(int id) {
    if (id == ControlBar::BpTrend) {
        selectBpTrend(kBarBpTrendCommand);
    } else if (id == ControlBar::Spo2Parameters) {
        m_spo2->editParameters();
    } else {
        if (m_mode != Spo2Trend) setDisplayMode(Spo2Trend);
        if (m_mode != Spo2Trend) {
            // Without a trend to take it, a length button shows the chosen length again.
            m_bar->setLengthSelector(m_spo2->trend().lengthSelector);
        } else if (id >= ControlBar::OneMinute && id <= ControlBar::OneHour) {
            m_spo2->chooseWindow(Spo2TrendState::Selector(id - ControlBar::OneMinute));
        } else if (id == ControlBar::ManualLength) {
            m_spo2->chooseManualWindow();
        } else if (id >= ControlBar::PageLeft && id <= ControlBar::PageRight) {
            m_spo2->move(Spo2TrendDisplay::Move(id - ControlBar::PageLeft));
        }
    }
}

void COBLView::layoutTrend() {
    ClassifyReadings(m_state.record.test, m_state.readingSets);
    m_layout = LayoutTrend(m_state.record, size(), ScreenTrendFrame(size()));
    if (m_hovered >= m_layout.readingCount()) m_hovered = -1;
    m_trendStale = true;
}

void COBLView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_bar->setGeometry(0, height() - ControlBar::kHeight, width(), ControlBar::kHeight);
    m_charts->relayout();
    if (hasRecord()) layoutTrend();
}

void COBLView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!hasRecord()) {
        paintStartPage(painter);
        return;
    }
    if (m_mode == BpTrend) {
        const QRect area = displayArea();
        if (area.isEmpty()) return;
        // Moving the pointer changes only the cursor and the reading box, so the trend picture
        // is drawn again only after a new layout; everything that changes the graph lays out.
        if (m_trendStale || m_trendPixmap.size() != size() * devicePixelRatioF()) {
            layoutTrend();
            renderTrend();
        }
        painter.drawPixmap(area, m_trendPixmap, area);
        if (m_hovered >= 0) {
            painter.setClipRect(area);
            PaintReadingBox(painter, m_layout, m_state.record, m_hovered);
        }
        return;
    }
    if (m_mode == Spo2Trend) {
        m_spo2->paint(painter, displayArea());
        return;
    }
    if (m_charts->chart() != ChartDisplay::Chart::None) {
        m_charts->paint(painter);
        return;
    }
    painter.fillRect(displayArea(), TrendColours::kBackground);
}

// The trend goes to an off-screen picture; the window's own back buffer takes it and the hover
// display on top, and only the finished picture reaches the screen, so nothing flickers.
void COBLView::renderTrend() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_trendPixmap.size() != pixels) {
        m_trendPixmap = QPixmap(pixels);
        m_trendPixmap.setDevicePixelRatio(ratio);
    }
    {
        QPainter p(&m_trendPixmap);
        p.setFont(font());
        PaintTrendLayout(p, m_layout, m_state.record);
    }
    m_trendStale = false;
}

void COBLView::paintStartPage(QPainter& painter) {
    const QRect area = displayArea();
    painter.fillRect(area, TrendColours::kBackground);
    const QString path = startPicturePath();
    if (path != m_startPicturePath) {
        m_startPicturePath = path;
        m_startPicture = QImage(path);
    }
    if (m_startPicture.isNull() || area.isEmpty()) return;
    const QSize fitted = m_startPicture.size().scaled(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(area.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_startPicture);
}

void COBLView::setHovered(int index) {
    if (index == m_hovered) return;
    m_hovered = index;
    update(displayArea());
}

void COBLView::mouseMoveEvent(QMouseEvent* event) {
    if (!hasRecord() || m_mode != BpTrend) return;
    setHovered(HoveredReadingAt(m_layout, event->position().toPoint()));
}

void COBLView::leaveEvent(QEvent* event) {
    setHovered(-1);
    QWidget::leaveEvent(event);
}

void COBLView::mousePressEvent(QMouseEvent* event) {
    if (!hasRecord() || m_mode != BpTrend) return;
    if (event->button() == Qt::LeftButton) {
        const int index = ClickedReadingAt(m_layout, event->position().toPoint());
        if (index >= 0) toggleExclusion(index);
    } else if (event->button() == Qt::RightButton && m_hovered >= 0) {
        editComment(m_hovered);
    }
}

// A double click counts as a second click: Qt delivers this event in place of the second
// press, so it toggles the reading again.
void COBLView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) mousePressEvent(event);
}

bool COBLView::storeExclusion(int index) const {
    const PatientRecord& record = m_state.record;
    std::unique_ptr<CIniDocument> doc = RecordEdits::OpenRecord(record.filePath);
    if (!doc) return false;
    const bool excluded = record.test.readings[static_cast<std::size_t>(index)].included != 1;
    RecordEdits::SetExclusionMark(*doc, record.test.section, index + 1, excluded);
    return doc->Save();
}

// The file is written at once; when it cannot be, the flag goes back so that screen and file
// agree.
void COBLView::toggleExclusion(int index) {
    BpReading& reading = ReadingOf(m_state, index);
    const int before = reading.included;
    reading.included = before == 1 ? 0 : 1;
    const bool stored = storeExclusion(index);
    if (!stored) reading.included = before;
    layoutTrend();
    update(displayArea());
    if (stored)
        emit recordEdited();
    else
        RecordEdits::ReportWriteFailure(this, m_state.record.filePath);
}

bool COBLView::storeComment(int index) const {
    const PatientRecord& record = m_state.record;
    std::unique_ptr<CIniDocument> doc = RecordEdits::OpenRecord(record.filePath);
    if (!doc) return false;
    const std::string& comment = record.test.readings[static_cast<std::size_t>(index)].comment;
    // Built in two steps: GCC 12 warns (-Wrestrict) wrongly on "C" + std::to_string in release.
    std::string key = "C";
    key += std::to_string(index + 1);
    doc->WriteString(record.test.section, key, comment);
    return doc->Save();
}

// A comment typed here is stored in the record file like one typed in the readings table;
// kept only in memory it would be gone at the next open.
void COBLView::editComment(int index) {
    BpReading& reading = ReadingOf(m_state, index);
    CommentDialog dialog(FromGbk(reading.comment), this);
    connect(&dialog, &CommentDialog::helpRequested, this, &COBLView::helpRequested);
    // A comment left as it was is not written: its bytes in the file stay as they are.
    if (dialog.exec() != QDialog::Accepted || dialog.comment() == FromGbk(reading.comment)) return;
    const std::string before = reading.comment;
    reading.comment = CutGbk(ToGbk(dialog.comment()), kMaxCommentBytes);
    const bool stored = storeComment(index);
    if (!stored) reading.comment = before;
    update(displayArea());
    if (stored)
        emit recordEdited();
    else
        RecordEdits::ReportWriteFailure(this, m_state.record.filePath);
}

void COBLView::editReadings() {
    if (!hasRecord()) return;
    ReadingsTableDialog dialog(m_state.record, this);
    connect(&dialog, &ReadingsTableDialog::helpRequested, this, &COBLView::helpRequested);
    if (dialog.exec() != QDialog::Accepted) return;
    // The charts stay when one is shown; every other display gives way to the trend.
    if (m_mode != BarCharts && m_mode != PieCharts && m_mode != FitLine) m_mode = BpTrend;
    m_hovered = -1;
    layoutTrend();
    update();
    emit recordEdited();
}

void COBLView::showStatistics() {
    if (!hasRecord()) return;
    layoutTrend();
    ComputeStatistics(m_state.record, m_state.readingSets, m_state.bpStatistics);
    const ClinicalSummary clinical =
        ComputeClinicalSummary(m_state.record.test, m_state.readingSets, m_state.guideline);
    StatisticsDialog dialog(m_state.bpStatistics, clinical, this);
    connect(&dialog, &StatisticsDialog::helpRequested, this, &COBLView::helpRequested);
    setDisplayMode(BpTrend);
    repaint(displayArea());
    dialog.exec();
}

void COBLView::editSleepPeriods() {
    if (!hasRecord()) return;
    SleepPeriodDialog dialog(m_state.record, this);
    connect(&dialog, &SleepPeriodDialog::helpRequested, this, &COBLView::helpRequested);
    if (dialog.exec() != QDialog::Accepted) return;
    setDisplayMode(BpTrend);
    emit recordEdited();
}

void COBLView::editPatientData() {
    if (!hasRecord()) return;
    CEditPatientDataDlg sheet(m_state.record, this);
    connect(&sheet, &CEditPatientDataDlg::helpRequested, this, &COBLView::helpRequested);
    if (sheet.exec() == QDialog::Accepted) emit recordEdited();
}

void COBLView::scheduleRepaint() {
    m_repaintTimer.start(0, this);
}

void COBLView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_repaintTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_repaintTimer.stop();
    update(displayArea());
}
