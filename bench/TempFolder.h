#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh folder under the system's temporary folder for a benchmark's files, removed with
// everything in it. Its path is empty when it could not be made.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "abpm-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data())) m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};
