#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>

#include "Spo2TrendPainter.h"
#include "Spo2TrendState.h"

class QPainter;
class QShortcut;
class QWidget;
struct AppState;

// The SpO2 trend of the main view: its state, what the bottom bar's SpO2 buttons do to it
// and the picture drawn into the view's display area. The trend is drawn into an off-screen
// picture when something it shows changed and copied to the view on every paint.
class Spo2TrendDisplay : public QObject {
    Q_OBJECT
  public:
    // The moves of the paging and stepping buttons, in their order on the bar.
    enum Move { PageLeft, StepLeft, StepRight, PageRight };

    Spo2TrendDisplay(QWidget* view, AppState& state);

    const Spo2TrendState& trend() const { return m_trend; }
    // A record was opened or closed: the ten-minute window from the start again, and the view
    // back on the blood pressure.
    void recordChanged();
    // The view shows the SpO2 trend from now on, or no longer.
    void enter();
    void leave();
    // One of the length buttons' windows (60, 600 or 3600 s) from the start of the series.
    void chooseWindow(Spo2TrendState::Selector selector);
    // A window typed in the display-settings dialog; cancelled, nothing changes.
    void chooseManualWindow();
    void move(Move move);
    // The analysis-parameters dialog; on OK the series is analysed again with the new values.
    void editParameters();
    void paint(QPainter& painter, const QRect& area);

  signals:
    void lengthSelectorChanged(int selector);
    void repaintRequested();
    void helpRequested();

  private:
    int seriesLength() const;
    void changed();

    QWidget* m_view;
    AppState& m_state;
    Spo2TrendState m_trend;
    Spo2TrendCurves m_curves;
    QPixmap m_picture;
    QRect m_pictureArea;
    bool m_stale = true;
    QList<QShortcut*> m_keys;
};
