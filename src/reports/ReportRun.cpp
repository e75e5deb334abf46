#include "ReportRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "AppState.h"
#include "PageDispatcher.h"
#include "PdfTextLayer.h"

namespace {

// The printable area of the printer in device pixels.
QRect PrintableArea(const QPaintDevice& device) {
    return QRect(0, 0, device.width(), device.height());
}

ReportContext PreparedContext(AppState& state, const ReportOptions& options) {
    ClassifyReadings(state.record.test, state.readingSets);
    ComputeStatistics(state.record, state.readingSets, state.bpStatistics);
    ReportContext c{.record = state.record, .sets = state.readingSets, .stats = state.bpStatistics};
    c.texts = ReadReportRecordTexts(state.record.filePath, state.record.test.section);
    c.title = options.title;
    c.dataReadings = DataPageReadings(state.record.test);
    c.style = ReportStyle::ForResolution(options.screenDpi, options.screenDpi);
    c.chartPeriod = options.chartPeriod;
    c.guideline = state.guideline;
    c.chartBands = options.chartBands;
    // The SpO2 pages print what the series gives under the thresholds set now.
    if (state.spo2.length() > 0 && options.selection.spo2Page >= 1 &&
        options.selection.spo2Page <= 4)
        state.spo2Analysis.analyse(state.spo2);
    c.spo2 = &state.spo2;
    c.spo2Analysis = &state.spo2Analysis;
    c.spo2Window = options.spo2Window;
    const Spo2PageSource spo2{state.spo2.length() > 0, static_cast<int>(state.spo2.length()),
                              options.spo2Window};
    c.pages = BuildPageTable(options.selection, static_cast<int>(c.dataReadings.size()), spo2);
    return c;
}

} // namespace

ReportRun::ReportRun(AppState& state, const ReportOptions& options)
    : m_context(PreparedContext(state, options)) {
    std::vector<int> built;
    for (int kind : m_context.pages.kinds)
        (IsPageBuilt(kind) ? built : m_leftOut).push_back(kind);
    m_context.pages.kinds = std::move(built);
}

void ReportRun::begin(const QPaintDevice& device) {
    // The print preview hands over a printer whose pages are recorded as pictures.
    const QPaintEngine* engine = device.paintEngine();
    const bool preview = engine && engine->type() == QPaintEngine::Picture;
    m_context.style =
        ReportStyle::ForResolution(device.logicalDpiX(), m_context.style.screenDpi, preview);
}

void ReportRun::drawPage(QPainter& painter, const QRect& page, int pageNumber) const {
    if (pageNumber < 1 || pageNumber > pageCount()) return;
    DrawReportPage(painter, page, m_context,
                   m_context.pages.kinds[static_cast<std::size_t>(pageNumber - 1)]);
}

bool ReportRun::print(QPrinter& printer, int fromPage, int toPage) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    begin(printer);
    for (int p = std::max(1, fromPage); p <= std::min(toPage, pageCount()); ++p) {
        if (p > std::max(1, fromPage)) printer.newPage();
        drawPage(painter, PrintableArea(printer), p);
    }
    return painter.end();
}

bool WriteReportPdf(ReportRun& run, const QString& path, const QPageSize& paper, QString* error) {
    const QFileInfo target(path);
    QTemporaryFile part(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
    if (!part.open()) {
        if (error) *error = part.errorString();
        return false;
    }
    part.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part.fileName());
    printer.setPageSize(paper);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCreator(QStringLiteral("abpm"));
    if (!run.print(printer, 1, run.pageCount())) {
        if (error) *error = QStringLiteral("the PDF writer could not start");
        return false;
    }
    // The writer reports no failed write: read the file back, complete or not.
    if (!RestorePdfTextLayer(part.fileName(), error)) return false;
    // A temporary file is private to its owner; a report is shared like any file written.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(part.fileName()).constData(), 0666 & ~mask);
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    part.setAutoRemove(false);
    return true;
}
