#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

// A paint device that draws nothing and remembers what was drawn on it, in device
// coordinates: texts with their baseline positions, lines, rectangles, paths, polygons and
// pictures, each with the pen (and brush) it was drawn with. Drawing code under test paints on
// it through an ordinary QPainter; the test then asserts on positions and texts. A text that
// font fallback splits into runs (Chinese and Latin in one string) is recorded as one text.
class RecordingPaintDevice : public QPaintDevice {
  public:
    struct Pen {
        QColor colour;
        qreal width = 0;
        Qt::PenStyle style = Qt::SolidLine;
    };
    struct Text {
        QPointF position; // left end of the baseline
        QString text;
        QFont font;
        Pen pen;
    };
    struct Line {
        QLineF line;
        Pen pen;
    };
    struct Rect {
        QRectF rect;
        Pen pen;
        QColor brush;
        Qt::BrushStyle brushStyle = Qt::NoBrush;
    };
    struct Path {
        QPainterPath path;
        Pen pen;
        QColor brush;
        Qt::BrushStyle brushStyle = Qt::NoBrush;
    };
    struct Polygon {
        QPolygonF points;
        QPaintEngine::PolygonDrawMode mode = QPaintEngine::PolylineMode;
        Pen pen;
    };
    struct Picture {
        QRectF target;
        QSize size;
    };

    explicit RecordingPaintDevice(QSize size, int dpi = 96);
    ~RecordingPaintDevice() override;
    RecordingPaintDevice(const RecordingPaintDevice&) = delete;
    RecordingPaintDevice& operator=(const RecordingPaintDevice&) = delete;

    QPaintEngine* paintEngine() const override;

    const std::vector<Text>& texts() const { return m_texts; }
    const std::vector<Line>& lines() const { return m_lines; }
    const std::vector<Rect>& rects() const { return m_rects; }
    const std::vector<Path>& paths() const { return m_paths; }
    const std::vector<Polygon>& polygons() const { return m_polygons; }
    const std::vector<Picture>& pictures() const { return m_pictures; }

    // Texts equal to text, in drawing order.
    std::vector<Text> textsEqualTo(const QString& text) const;
    bool hasText(const QString& text) const { return !textsEqualTo(text).empty(); }
    std::vector<Line> linesOfColour(const QColor& colour) const;
    std::vector<Polygon> polygonsOfColour(const QColor& colour) const;
    void clear();

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    friend class RecordingPaintEngine;

    QSize m_size;
    int m_dpi;
    std::unique_ptr<QPaintEngine> m_engine;
    std::vector<Text> m_texts;
    std::vector<Line> m_lines;
    std::vector<Rect> m_rects;
    std::vector<Path> m_paths;
    std::vector<Polygon> m_polygons;
    std::vector<Picture> m_pictures;
};
