#include "RecordFileOps.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::exists(b, ec) && fs::equivalent(a, b, ec);
}

std::string CopyOne(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) return "not found";
    if (SameFile(source, target)) return "source and target are the same file";
    fs::path tmp = target;
    tmp += ".copying";
    fs::copy_file(source, tmp, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(tmp, target, ec);
    if (ec) {
        std::error_code ignore;
        fs::remove(tmp, ignore);
        return ec.message();
    }
    return {};
}

} // namespace

std::vector<RecordFileFailure> CopyRecordFiles(const std::vector<std::string>& paths,
                                               const std::string& targetFolder) {
    std::vector<RecordFileFailure> failures;
    for (const std::string& p : paths) {
        const fs::path source(p);
        const std::string reason = CopyOne(source, fs::path(targetFolder) / source.filename());
        if (!reason.empty()) failures.push_back({p, reason});
    }
    return failures;
}

std::vector<RecordFileFailure> DeleteRecordFiles(const std::vector<std::string>& paths) {
    std::vector<RecordFileFailure> failures;
    for (const std::string& p : paths) {
        std::error_code ec;
        if (!fs::remove(p, ec)) failures.push_back({p, ec ? ec.message() : "not found"});
    }
    return failures;
}
