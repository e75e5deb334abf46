#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

#include "CIniDocument.h"
#include "TempDir.h"

namespace {

ino_t Inode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

int FilesIn(const std::string& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

// Caps the size of files this process may write, so that writing the temporary file fails
// the way a full disk does (root ignores permissions, but not this limit).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = m_old;
        lim.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

TEST(CIniDocumentSave, UnchangedTextIsNotWrittenBack) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    WriteFileBytes(path, "[S]\r\nA=1\r\n");
    const ino_t before = Inode(path);
    {
        CIniDocument doc(path);
        EXPECT_EQ(doc.GetString("S", "A", ""), "1");
        EXPECT_EQ(doc.WriteString("S", "A", "1"), 1); // same value: nothing to save
        EXPECT_TRUE(doc.Save());
    }
    // A save goes through a rename, which would give the path a new inode.
    EXPECT_EQ(Inode(path), before);
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(CIniDocumentSave, ChangedTextReplacesTheFileWhole) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    WriteFileBytes(path, "[S]\r\nA=1\r\n");
    {
        CIniDocument doc(path);
        doc.WriteString("S", "A", "2");
        EXPECT_TRUE(doc.Save());
        EXPECT_FALSE(doc.lastSaveFailed());
    }
    EXPECT_EQ(ReadFileBytes(path), "[S]\r\nA=2\r\n");
    EXPECT_EQ(FilesIn(dir.path()), 1); // no temporary file left behind
}

TEST(CIniDocumentSave, FailedSaveLeavesTheOldFileAndIsReported) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    const std::string old = "[S]\r\nA=1\r\n";
    WriteFileBytes(path, old);
    {
        CIniDocument doc(path);
        doc.WriteString("S", "Big", std::string(4096, 'x'));
        {
            FileSizeLimit limit(100);
            EXPECT_FALSE(doc.Save());
        }
        EXPECT_TRUE(doc.lastSaveFailed());
        EXPECT_EQ(ReadFileBytes(path), old);
        EXPECT_EQ(FilesIn(dir.path()), 1);
    }
    // The limit is gone: the destructor's save goes through.
    EXPECT_NE(ReadFileBytes(path), old);
}

TEST(CIniDocumentSave, SaveIntoAVanishedFolderFailsWithoutTouchingTheRecord) {
    TempDir dir;
    const std::string folder = dir.file("patients");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/r.awp";
    WriteFileBytes(path, "[S]\r\nA=1\r\n");
    CIniDocument doc(path);
    doc.WriteString("S", "A", "2");
    std::filesystem::rename(folder, dir.file("moved"));
    EXPECT_FALSE(doc.Save());
    EXPECT_EQ(ReadFileBytes(dir.file("moved/r.awp")), "[S]\r\nA=1\r\n");
}

TEST(CIniDocumentSave, UnreadableFileIsNeverOverwritten) {
    TempDir dir;
    // A folder in place of the file: it opens but cannot be read as a file.
    const std::string path = dir.file("folder.awp");
    std::filesystem::create_directory(path);
    {
        CIniDocument doc(path);
        EXPECT_FALSE(doc.isReadable());
        EXPECT_EQ(doc.GetString("S", "A", "def"), "def");
        EXPECT_EQ(doc.WriteString("S", "A", "x"), 1); // in memory only
        EXPECT_FALSE(doc.Save());
    } // destruction must neither write nor fail
    EXPECT_TRUE(std::filesystem::is_directory(path));

    // A path in a folder that does not exist: not open, nothing created.
    {
        CIniDocument doc(dir.file("no/such/folder/r.awp"));
        EXPECT_FALSE(doc.isOpen());
    }
    EXPECT_FALSE(FileExists(dir.file("no")));
}
