#pragma once

// Runs abpm-cli as from a terminal without a display, and reads its JSON back.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>

struct CliRun {
    int status = -1; // -1: crashed or never finished
    QByteArray out;
    QByteArray err;

    QJsonObject json() const {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return doc.object();
    }
};

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

inline CliRun RunCli(const QStringList& args) {
    // QProcess wants an application object; the test programs have none of their own.
    static int argc = 1;
    static char name[] = "cli_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(ABPM_CLI, args);
    CliRun run;
    if (!p.waitForFinished(120000)) return run;
    run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

// The member at a path such as "awake/systolic/max" or "levels/2".
inline QJsonValue At(QJsonValue value, const QString& path) {
    for (const QString& step : path.split(QLatin1Char('/'))) {
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(step);
    }
    return value;
}

// Numbers to a millionth (the means are floats), everything else exactly.
inline void ExpectMembers(const QJsonObject& json,
                          std::initializer_list<std::pair<const char*, QJsonValue>> members) {
    for (const auto& [path, value] : members) {
        const QJsonValue actual = At(json, QString::fromLatin1(path));
        if (value.isDouble())
            EXPECT_NEAR(actual.toDouble(NAN), value.toDouble(), 1e-6) << path;
        else
            EXPECT_EQ(actual, value) << path;
    }
}

// Refused: status 2, nothing on standard output and one line on standard error.
inline void ExpectRefused(const CliRun& run, const char* wordInMessage) {
    SCOPED_TRACE(wordInMessage);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    EXPECT_TRUE(run.err.endsWith('\n'));
    EXPECT_TRUE(run.err.contains(wordInMessage)) << run.err.constData();
}
