#pragma once

// The folders and the configuration the shell's tests start from.
#include <QDir>
#include <string>

#include "AppState.h"
#include "CIniDocument.h"
#include "ConfigStore.h"
#include "TempDir.h"

// A program folder and a start folder of their own; the start folder is current while it lives.
struct ShellFolders {
    TempDir program;
    TempDir start;
    QString previous = QDir::currentPath();
    ShellFolders() { QDir::setCurrent(startPath()); }
    ~ShellFolders() { QDir::setCurrent(previous); }
    QString programPath() const { return QString::fromStdString(program.path()); }
    QString startPath() const { return QString::fromStdString(start.path()); }
};

inline std::string Value(const std::string& file, const std::string& section,
                         const std::string& key) {
    return CIniDocument(file).GetString(section, key, "<missing>");
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
