#pragma once

#include <QWidget>

struct AppState;

// The single view of the main window: start page before a record is loaded, then the display
// of the loaded record in one of five modes.
class COBLView : public QWidget {
    Q_OBJECT
public:
    enum DisplayMode { BpTrend = 0, Spo2Trend = 1, BarCharts = 2, PieCharts = 3, FitLine = 4 };

    COBLView(AppState& state, QWidget* parent = nullptr);

    // The record was opened, unloaded or edited elsewhere: lay out again and repaint.
    void recordChanged();
    DisplayMode displayMode() const { return m_mode; }
    void setDisplayMode(DisplayMode mode);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppState& m_state;
    DisplayMode m_mode = BpTrend;
};
