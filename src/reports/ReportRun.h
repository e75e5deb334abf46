#pragma once

#include <QPageSize>
#include <QString>
#include <vector>

#include "PageTable.h"
#include "ReportContext.h"

class QPaintDevice;
class QPainter;
class QPrinter;
struct AppState;

// What a run prints besides the loaded record.
struct ReportOptions {
    PageSelection selection;
    QString title; // of the current report layout
    double screenDpi = 96.0;
    ChartPeriod chartPeriod = ChartPeriod::All;
    ChartBands chartBands;
    int spo2Window = 600;
};

// One print, preview or PDF run over the loaded record. Preparing classifies the readings,
// computes the statistics, reads the record file's texts and builds the page table once;
// the pages are then drawn in any order and as often as the caller asks.
class ReportRun {
  public:
    ReportRun(AppState& state, const ReportOptions& options);

    int pageCount() const { return static_cast<int>(m_context.pages.kinds.size()); }
    const std::vector<int>& pageKinds() const { return m_context.pages.kinds; }
    // Kinds the selection asks for whose pages are not built yet: left out of this run.
    const std::vector<int>& leftOut() const { return m_leftOut; }
    const ReportContext& context() const { return m_context; }

    // Pens and fonts for the resolution of the device the pages go to.
    void begin(const QPaintDevice& device);
    // Page pageNumber (from 1) on a page of the printable size.
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) const;
    // Pages fromPage to toPage, one sheet each. False when the printer cannot be started.
    bool print(QPrinter& printer, int fromPage, int toPage);

  private:
    ReportContext m_context;
    std::vector<int> m_leftOut;
};

// Writes every page of the run into a PDF file. The file is written beside path under a
// temporary name and renamed when complete, so a failed write leaves no partial report.
// False, with the reason in *error, when it cannot be written.
bool WriteReportPdf(ReportRun& run, const QString& path, const QPageSize& paper, QString* error);
