// Opens a record in the main view, hovers one reading and saves the view as a picture.
// Usage: trend-screenshot [RECORD] [OUT.png] [HOVERED-X]
#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <cstdio>

#include "AppState.h"
#include "COBLView.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString record =
        args.size() > 1 ? args[1] : QStringLiteral(ABPM_SAMPLES_DIR "/24h-normal-dip.awp");
    const QString out = args.size() > 2 ? args[2] : QStringLiteral("/tmp/trend.png");
    AppState state;
    state.programFolder = QCoreApplication::applicationDirPath().toStdString();
    if (!record.isEmpty() && !state.openRecord(record.toStdString(), BpThresholds{})) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(record));
        return 1;
    }
    COBLView view(state);
    view.resize(1600, 1000);
    view.show();
    view.recordChanged();
    if (args.size() > 3) {
        const QPointF at(args[3].toInt(), 400);
        QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
    }
    QApplication::processEvents();
    if (!view.grab().save(out)) return 1;
    std::printf("%s\n", qPrintable(out));
    return 0;
}
