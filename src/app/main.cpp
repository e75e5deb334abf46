// Placeholder front end: opens the record named on the command line and lists its readings.
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringDecoder>
#include <QTableWidget>

#include "AppState.h"

namespace {

QString FromGbk(const std::string& bytes) {
    QStringDecoder decoder("GBK");
    if (!decoder.isValid()) return QString::fromLatin1(bytes.c_str());
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QString Value(int v) { return v == 0 ? QStringLiteral("---") : QString::number(v); }

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    AppState state;
    QMainWindow window;
    auto* table = new QTableWidget(&window);
    window.setCentralWidget(table);
    window.resize(900, 600);
    window.setWindowTitle(QStringLiteral("ABPM"));

    const QStringList args = app.arguments();
    if (args.size() > 1) {
        const std::string path = args.at(1).toLocal8Bit().toStdString();
        if (!state.openRecord(path, BpThresholds{})) {
            QMessageBox::warning(nullptr, QStringLiteral("ABPM"),
                                 QStringLiteral("Cannot read the record %1").arg(args.at(1)));
        }
    }
    const PatientRecord& rec = state.record;
    if (rec.isLoaded) {
        window.setWindowTitle(QStringLiteral("ABPM - %1 %2 %3")
                                  .arg(FromGbk(rec.patientName), FromGbk(rec.patientId),
                                       FromGbk(rec.test.beginDateText)));
        table->setColumnCount(7);
        table->setHorizontalHeaderLabels({"#", "Time", "SYS", "DIA", "HR", "MAP", "Comment"});
        table->setRowCount(rec.test.readingCount);
        for (int i = 0; i < rec.test.readingCount; ++i) {
            const BpReading& r = rec.test.readings[std::size_t(i)];
            const int minute = (rec.test.startMinuteOfDay + r.minutesFromStart) % 1440;
            const QStringList cells = {
                QString::number(i + 1) + (r.included ? "" : "*"),
                QStringLiteral("%1:%2").arg(minute / 60).arg(minute % 60, 2, 10, QChar('0')),
                Value(r.systolic), Value(r.diastolic), QString::number(r.pulseRate),
                Value(r.meanPressure), FromGbk(r.comment)};
            for (int c = 0; c < cells.size(); ++c)
                table->setItem(i, c, new QTableWidgetItem(cells[c]));
        }
        table->horizontalHeader()->setStretchLastSection(true);
    }
    window.show();
    return app.exec();
}
