#pragma once

#include <QWidget>

class QPainter;

// The wearing picture: a patient seen from the front with the cuff on the upper arm, the
// tube over the shoulder and the recorder in its pouch on the belt. Drawn, not loaded, so it
// scales to any frame.
class WearingPicture : public QWidget {
    Q_OBJECT
  public:
    explicit WearingPicture(QWidget* parent = nullptr);

    // Draws the picture into the rectangle (keeps its proportions, centred).
    static void Paint(QPainter& painter, const QRectF& frame);

    QSize sizeHint() const override { return {240, 320}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};
