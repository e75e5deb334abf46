#pragma once

#include <QWidget>

class QPainter;

// The 24-hour dial of the plan dialog: 00:00 at the top, time running clockwise, the awake
// period white, the rest black, a special period blue over it.
class PlanClockFace : public QWidget {
    Q_OBJECT
  public:
    explicit PlanClockFace(QWidget* parent = nullptr);

    // Half-hour list positions; special positions count "none" as 0 like their lists.
    void setPeriods(int awakeStart, int asleepStart, int specialStart, int specialEnd);

    // Drawing angle of half-hour slot i, counter-clockwise from three o'clock in degrees.
    static double SlotAngle(int slot) { return 450.0 - 7.5 * slot; }

    // The dial's rectangle inside a widget of the given size (labels go around it).
    static QRectF DialRect(const QSize& size);

    QSize sizeHint() const override { return {200, 200}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintSector(QPainter& painter, const QRectF& dial, int from, int to,
                     const QColor& color) const;
    void paintLabels(QPainter& painter, const QRectF& dial) const;

    int m_awake = 14;
    int m_asleep = 44;
    int m_specialStart = 0;
    int m_specialEnd = 0;
};
