#include "ReportCommands.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <filesystem>

#include "AppState.h"
#include "CIniDocument.h"
#include "ConfigStore.h"
#include "GbkText.h"
#include "ReadingsCsv.h"
#include "ReportRun.h"

namespace {

// Shows the wait cursor while a report is drawn.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

ReportCommands::ReportCommands(AppState& state, QString configPath, QWidget* window)
    : m_state(state), m_configPath(std::move(configPath)), m_window(window),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

ReportCommands::~ReportCommands() = default;

ReportOptions WindowReportOptions(const AppState& state, const QString& configPath) {
    ReportOptions options;
    const std::string config = configPath.toStdString();
    std::error_code ec;
    // Printing reads the configuration and never creates it.
    if (std::filesystem::is_regular_file(config, ec)) {
        const CIniDocument doc(config);
        options.selection = ReadPageSelection(doc);
        const std::string user = CurrentUserName(doc);
        if (!user.empty())
            options.title = FromGbk(ReadReportTitle(ConfigStore(config).reportFilePath(user)));
    }
    // The chart pages show what the charts on screen show.
    options.chartPeriod = state.chart.period;
    options.chartBands = state.chart.bands;
    return options;
}

std::unique_ptr<ReportRun> ReportCommands::prepare() {
    ReportOptions options = WindowReportOptions(m_state, m_configPath);
    options.screenDpi = m_window->logicalDpiX();
    auto run = std::make_unique<ReportRun>(m_state, options);
    if (run->pageCount() == 0) {
        QMessageBox::information(m_window, tr("打印"),
                                 tr("报告中没有可打印的页。\n请在报告配置中选择要打印的页。"));
        return nullptr;
    }
    return run;
}

void ReportCommands::print() {
    std::unique_ptr<ReportRun> run = prepare();
    if (!run) return;
    // Every run starts with all of its pages offered.
    m_printer->setPrintRange(QPrinter::AllPages);
    m_printer->setFromTo(1, run->pageCount());
    QPrintDialog dialog(m_printer.get(), m_window);
    dialog.setMinMax(1, run->pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) return;
    int from = 1, to = run->pageCount();
    if (m_printer->printRange() == QPrinter::PageRange) {
        from = m_printer->fromPage();
        to = m_printer->toPage();
    }
    WaitCursor wait;
    if (!run->print(*m_printer, from, to))
        QMessageBox::warning(m_window, tr("打印"), tr("打印机无法启动，报告未打印。"));
}

void ReportCommands::preview() {
    std::unique_ptr<ReportRun> run = prepare();
    if (!run) return;
    QPrintPreviewDialog dialog(m_printer.get(), m_window);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&run](QPrinter* printer) { run->print(*printer, 1, run->pageCount()); });
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
        view->setViewMode(QPrintPreviewWidget::SinglePageView);
    dialog.resize(m_window->size() * 9 / 10);
    dialog.exec();
}

void ReportCommands::printerSetup() {
    QPageSetupDialog dialog(m_printer.get(), m_window);
    if (dialog.exec() == QDialog::Accepted) m_paperChosen = true;
}

QString ReportCommands::askSaveName(const QString& title, const QString& filter,
                                    const QString& suffix) {
    // Beside the record, named like it.
    const QFileInfo record(QString::fromStdString(m_state.record.filePath));
    QFileDialog dialog(m_window, title,
                       record.absoluteDir().filePath(record.completeBaseName() + '.' + suffix),
                       filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void ReportCommands::saveAsPdf() {
    std::unique_ptr<ReportRun> run = prepare();
    if (!run) return;
    const QString title = tr("另存为PDF");
    const QString path = askSaveName(title, tr("PDF 文件 (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    const QPageSize paper =
        m_paperChosen ? m_printer->pageLayout().pageSize() : QPageSize(QPageSize::A4);
    QString error;
    bool written = false;
    {
        WaitCursor wait;
        written = WriteReportPdf(*run, path, paper, &error);
    }
    if (!written)
        QMessageBox::warning(
            m_window, title,
            tr("无法写入PDF文件：\n%1\n%2").arg(QDir::toNativeSeparators(path), error));
}

void ReportCommands::exportCsv() {
    const QString title = tr("导出测量数据");
    const QString path = askSaveName(title, tr("CSV 文件 (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) return;
    QString error;
    if (!WriteReadingsCsv(m_state.record.test, path, &error))
        QMessageBox::warning(
            m_window, title,
            tr("无法写入CSV文件：\n%1\n%2").arg(QDir::toNativeSeparators(path), error));
}
