#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "TrendLayout.h"

class ChartDisplay;
class ControlBar;
class Spo2TrendDisplay;
struct AppState;

// The single view of the main window: the start page before a record is loaded, then the
// loaded record in one of five displays. It owns the trend graph with its hover box and
// click-to-exclude, the bottom control bar and the dialogs that edit the loaded record.
class COBLView : public QWidget {
    Q_OBJECT
  public:
    enum DisplayMode { BpTrend = 0, Spo2Trend = 1, BarCharts = 2, PieCharts = 3, FitLine = 4 };

    COBLView(AppState& state, QWidget* parent = nullptr);

    // A record was opened or unloaded: back to the BP trend (or the start page), lay out
    // again and repaint.
    void recordChanged();
    // Something the drawing depends on changed elsewhere (thresholds, the record's data):
    // lay out again and repaint the current display.
    void refresh();
    DisplayMode displayMode() const { return m_mode; }
    // The SpO2 display without SpO2 data says so and keeps the current display.
    void setDisplayMode(DisplayMode mode);

    // Commands 32902 and 1016 switch to the BP trend even without a record; 32816 and 32817
    // need one. Each lays out again and repaints.
    void selectBpTrend(int commandId);
    void editReadings();     // 32904: the readings table
    void showStatistics();   // 32909: the statistics dialog, over the BP trend
    void editSleepPeriods(); // 32789: awake and asleep times, then the BP trend
    void editPatientData();  // 32788: the patient information sheet

    // Re-classifies the readings and recomputes the trend geometry for the client size.
    void layoutTrend();
    const TrendLayout& trendLayout() const { return m_layout; }
    int hoveredReading() const { return m_hovered; }
    ControlBar* controlBar() const { return m_bar; }
    ChartDisplay* charts() const { return m_charts; }
    Spo2TrendDisplay* spo2Trend() const { return m_spo2; }
    // "bkPicture.jpg" in the program folder.
    QString startPicturePath() const;

  signals:
    // A reading, the sleep periods or the patient data were changed and stored.
    void recordEdited();
    void helpRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    bool hasRecord() const;
    QRect displayArea() const;
    void onBarCommand(int id);
    // The bottom bar belongs to the trends, the chart controls to their charts.
    void showControlsFor(DisplayMode mode);
    void paintStartPage(QPainter& painter);
    void renderTrend();
    void setHovered(int index);
    void toggleExclusion(int index);
    void editComment(int index);
    bool storeExclusion(int index) const;
    bool storeComment(int index) const;
    void scheduleRepaint();

    AppState& m_state;
    DisplayMode m_mode = BpTrend;
    ControlBar* m_bar;
    ChartDisplay* m_charts;
    Spo2TrendDisplay* m_spo2;
    TrendLayout m_layout;
    int m_hovered = -1;
    // The trend without the hover, as of the last layout.
    QPixmap m_trendPixmap;
    bool m_trendStale = true;
    QImage m_startPicture;
    QString m_startPicturePath;
    QBasicTimer m_repaintTimer;
};
