#include "RecordingPaintDevice.h"

#include <QPainter>
#include <QPixmap>
#include <QTextItem>
#include <climits>

// Records every primitive in device coordinates. It claims every feature, so QPainter hands
// primitives over as they were drawn and the engine maps them itself.
class RecordingPaintEngine : public QPaintEngine {
  public:
    explicit RecordingPaintEngine(RecordingPaintDevice& device)
        : QPaintEngine(QPaintEngine::AllFeatures), m_device(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            m_device.m_lines.push_back({transform().map(lines[i]), pen()});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const QBrush b = painter()->brush();
            m_device.m_rects.push_back(
                {transform().mapRect(rects[i]), pen(), b.color(), b.style()});
        }
    }
    void drawPath(const QPainterPath& path) override {
        const QBrush b = painter()->brush();
        m_device.m_paths.push_back({transform().map(path), pen(), b.color(), b.style()});
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << transform().map(points[i]);
        m_device.m_polygons.push_back({polygon, mode, pen()});
    }
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF&) override {
        m_device.m_pictures.push_back({transform().mapRect(target), pixmap.size()});
    }
    void drawImage(const QRectF& target, const QImage& image, const QRectF&,
                   Qt::ImageConversionFlags) override {
        m_device.m_pictures.push_back({transform().mapRect(target), image.size()});
    }
    // One drawText call with mixed scripts reaches the engine as several runs, one per font;
    // a run that starts on the baseline exactly where the previous one ended continues it.
    void drawTextItem(const QPointF& position, const QTextItem& item) override {
        const QPointF start = transform().map(position);
        const QPointF end = transform().map(position + QPointF(item.width(), 0));
        auto& texts = m_device.m_texts;
        if (!texts.empty() && qAbs(texts.back().position.y() - start.y()) < 0.01 &&
            qAbs(m_lastTextEnd.x() - start.x()) < 0.01) {
            texts.back().text += item.text();
        } else {
            texts.push_back({start, item.text(), item.font(), pen()});
        }
        m_lastTextEnd = end;
    }

  private:
    QTransform transform() const { return painter()->combinedTransform(); }
    RecordingPaintDevice::Pen pen() const {
        const QPen p = painter()->pen();
        return {p.color(), p.widthF(), p.style()};
    }

    RecordingPaintDevice& m_device;
    QPointF m_lastTextEnd;
};

RecordingPaintDevice::RecordingPaintDevice(QSize size, int dpi)
    : m_size(size), m_dpi(dpi), m_engine(std::make_unique<RecordingPaintEngine>(*this)) {}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine* RecordingPaintDevice::paintEngine() const {
    return m_engine.get();
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return m_size.width() * 254 / (10 * m_dpi);
    case PdmHeightMM:
        return m_size.height() * 254 / (10 * m_dpi);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

std::vector<RecordingPaintDevice::Text>
RecordingPaintDevice::textsEqualTo(const QString& text) const {
    std::vector<Text> found;
    for (const Text& t : m_texts)
        if (t.text == text) found.push_back(t);
    return found;
}

std::vector<RecordingPaintDevice::Line>
RecordingPaintDevice::linesOfColour(const QColor& colour) const {
    std::vector<Line> found;
    for (const Line& l : m_lines)
        if (l.pen.colour == colour) found.push_back(l);
    return found;
}

std::vector<RecordingPaintDevice::Polygon>
RecordingPaintDevice::polygonsOfColour(const QColor& colour) const {
    std::vector<Polygon> found;
    for (const Polygon& p : m_polygons)
        if (p.pen.colour == colour) found.push_back(p);
    return found;
}

void RecordingPaintDevice::clear() {
    m_texts.clear();
    m_lines.clear();
    m_rects.clear();
    m_paths.clear();
    m_polygons.clear();
    m_pictures.clear();
}
