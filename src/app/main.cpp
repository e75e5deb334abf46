// abpm: the ABPM workstation.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>

#include "CAbpmApp.h"
#include "CMainFrame.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    // The built-in texts name this face; Linux has none by that name.
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Serif CJK SC"),
                                                        QStringLiteral("Noto Sans CJK SC")});
    CAbpmApp app(QCoreApplication::applicationDirPath(), QDir::currentPath());
    if (!app.initInstance()) return 1;
    // Without a window manager (a kiosk session) maximizing is a no-op: take the screen first.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        app.frame()->setGeometry(screen->availableGeometry());
    app.frame()->showMaximized();
    return qapp.exec();
}
