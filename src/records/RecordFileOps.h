#pragma once

#include <string>
#include <vector>

// Copying and deleting patient record files. Each returns the files that failed, so the caller
// can name them all in one message while the others proceed.
struct RecordFileFailure {
    std::string path;
    std::string reason;
};

// Copies each file into the folder under its own name, replacing a file of that name there.
// The copy is written beside the target first and renamed over it, so a failed copy never
// leaves a half-written record. A file is never copied onto itself.
std::vector<RecordFileFailure> CopyRecordFiles(const std::vector<std::string>& paths,
                                               const std::string& targetFolder);

std::vector<RecordFileFailure> DeleteRecordFiles(const std::vector<std::string>& paths);
