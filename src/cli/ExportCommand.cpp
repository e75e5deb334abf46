// abpm-cli export: the readings of a record's loaded test as CSV.
#include <cstdio>
#include <memory>

#include "AppState.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "ReadingsCsv.h"

using namespace CliFiles;

namespace {

constexpr int kBadInput = 2;
constexpr int kCannotWrite = 5;
const char* const kUsage = "export FILE.awp --csv OUT.csv";

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "abpm-cli export: %s\n", message.c_str());
    return status;
}

int RunExport(const QStringList& args) {
    std::string record;
    QString csv;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--csv" && i + 1 < args.size())
            csv = args[++i];
        else if (args[i].startsWith("--csv="))
            csv = args[i].mid(6);
        else if (args[i].startsWith("--"))
            return Fail(kBadInput, "unknown option " + args[i].toStdString());
        else if (!record.empty())
            return Fail(kBadInput, "only one record file can be given");
        else
            record = FileName(args[i]);
    }
    if (record.empty() || csv.isEmpty())
        return Fail(kBadInput, std::string("usage: abpm-cli ") + kUsage);
    if (std::string error = CheckRecord(record); !error.empty()) return Fail(kBadInput, error);
    auto state = std::make_unique<AppState>();
    if (!state->openRecord(record, BpThresholds{}))
        return Fail(kBadInput, record + ": cannot read the file");
    QString error;
    if (!WriteReadingsCsv(state->record.test, csv, &error))
        return Fail(kCannotWrite, FileName(csv) + ": " + error.toStdString());
    return 0;
}

const CliCommandRegistration registration({"export", kUsage, RunExport});

} // namespace
