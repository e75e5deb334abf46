#pragma once

// The folders, the configuration and the headers the shell's tests start from.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <string>

#include "AppState.h"
#include "CAbpmApp.h"
#include "CIniDocument.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "ConfigStore.h"
#include "ModalAnswerer.h"
#include "StringTable.h"
#include "TempDir.h"

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A program folder and a start folder of their own; the start folder is current while it lives.
struct ShellFolders {
    TempDir program;
    TempDir start;
    QString previous = QDir::currentPath();
    ShellFolders() { QDir::setCurrent(startPath()); }
    ~ShellFolders() { QDir::setCurrent(previous); }
    QString programPath() const { return Q(program.path()); }
    QString startPath() const { return Q(start.path()); }
};

// The program started from its own folders.
struct StartedApp : ShellFolders {
    CAbpmApp app{programPath(), startPath()};
    StartedApp() { EXPECT_TRUE(app.initInstance()); }
};

inline std::string Value(const std::string& file, const std::string& section,
                         const std::string& key) {
    return CIniDocument(file).GetString(section, key, "<missing>");
}

// Each "key=value" as the section holds it.
inline void ExpectKeys(const std::string& file, const std::string& section,
                       std::initializer_list<std::string> keys) {
    for (const std::string& kv : keys)
        EXPECT_EQ(kv.substr(0, kv.find('=')) + "=" +
                      Value(file, section, kv.substr(0, kv.find('='))),
                  kv);
}

// A configuration file after start-up and the state the configuration dialogs edit.
struct StartedStore {
    TempDir dir;
    ConfigStore store{dir.file("OblCofig.ini")};
    AppState state;
    StartedStore() {
        state.startFolder = dir.path();
        store.applyStartUp(dir.path());
    }
    std::string get(const std::string& section, const std::string& key) const {
        return Value(store.filePath(), section, key);
    }
};

// Clicks the dialog's button of that text; queued when the dialog runs its own event loop.
inline void ClickButton(QWidget* dialog, const QString& text, bool queued = false) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text)
            QMetaObject::invokeMethod(b, "click",
                                      queued ? Qt::QueuedConnection : Qt::DirectConnection);
}
