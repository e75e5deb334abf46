#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

TEST(CIniDocumentSave, AMissingFileAppearsOnlyAtTheSave) {
    TempDir dir;
    const std::string path = dir.file("OblCofig.ini");
    CIniDocument doc(path);
    EXPECT_TRUE(doc.isOpen());
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(doc.Save());
    EXPECT_EQ(ReadFileBytes(path), "");
}

namespace {

constexpr int kReadings = 400;

// A reading text with its time digits and exclusion flag; the other fields stay fixed.
std::string Reading(int n, bool excluded) {
    char text[32];
    std::snprintf(text, sizeof text, "00007D50485F%04d000000%c00", n, excluded ? '1' : '0');
    return text;
}

// A record as the download leaves it (keys written later stand higher up), with every reading
// included or every one excluded.
std::string RecordText(bool excluded) {
    std::string body;
    for (int n = 1; n <= kReadings; ++n)
        body = std::to_string(n) + "=" + Reading(n, excluded) + "\r\n" + body;
    return "[TEST 1]\r\n" + body;
}

struct KilledSaves {
    int oldContent = 0; // the kill came before the save was through
    int newContent = 0;
};

// Once per kill: restores the file to `before` (none: no file), lets a child process load it,
// make the edit and save, and kills the child with SIGKILL a random time after the save began.
// The file must then hold `before` or `after`, byte for byte. Delays run from 0 to twice the
// time a save takes here, so kills land before, during and after the save.
KilledSaves KillSaves(const std::string& path, const std::optional<std::string>& before,
                      const std::string& after, int createNew,
                      const std::function<void(CIniDocument&)>& edit, int kills) {
    const auto restore = [&] {
        if (before)
            WriteFileBytes(path, *before);
        else
            std::filesystem::remove(path);
    };
    std::vector<long long> took;
    for (int i = 0; i < 5; ++i) {
        restore();
        CIniDocument doc(path, createNew);
        edit(doc);
        const auto start = std::chrono::steady_clock::now();
        doc.Save();
        took.push_back(std::chrono::duration_cast<std::chrono::microseconds>(
                           std::chrono::steady_clock::now() - start)
                           .count());
    }
    std::sort(took.begin(), took.end());
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long long> delay(0, std::max(200LL, 2 * took[2]));

    KilledSaves seen;
    for (int kill = 0; kill < kills; ++kill) {
        restore();
        int ready[2];
        if (::pipe(ready) != 0) ADD_FAILURE() << "pipe";
        const pid_t child = ::fork();
        if (child == 0) {
            CIniDocument doc(path, createNew);
            edit(doc);
            [[maybe_unused]] const ssize_t sent = ::write(ready[1], "s", 1);
            doc.Save();
            ::_exit(0);
        }
        char byte = 0;
        ::close(ready[1]);
        [[maybe_unused]] const ssize_t got = ::read(ready[0], &byte, 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::optional<std::string> now =
            FileExists(path) ? std::optional(ReadFileBytes(path)) : std::nullopt;
        if (now == before)
            ++seen.oldContent;
        else if (now == after)
            ++seen.newContent;
        else
            ADD_FAILURE() << "kill " << kill << " left neither the old nor the new content";
    }
    return seen;
}

} // namespace

// Saves killed at any moment leave the old content or the new one whole: an edited record
// stays readable, a new record is there whole or not at all. The copies the kills leave behind
// carry the target's name and go at its next save.
TEST(CIniDocumentSave, AKilledSaveLeavesTheOldOrTheNewRecordWholeAndNoCopiesForLong) {
    TempDir dir;
    const std::string path = dir.file("011003151230.awp");
    const KilledSaves edited = KillSaves(
        path, RecordText(false), RecordText(true), 0,
        [](CIniDocument& doc) {
            for (int n = 1; n <= kReadings; ++n)
                doc.WriteString("TEST 1", std::to_string(n), Reading(n, true));
        },
        200);
    EXPECT_EQ(edited.oldContent + edited.newContent, 200);
    // Both outcomes, or the kills missed the save.
    EXPECT_GT(edited.oldContent, 0);
    EXPECT_GT(edited.newContent, 0);

    const KilledSaves created = KillSaves(
        path, std::nullopt, RecordText(false), 1,
        [](CIniDocument& doc) {
            for (int n = 1; n <= kReadings; ++n)
                doc.WriteString("TEST 1", std::to_string(n), Reading(n, false));
        },
        25);
    EXPECT_EQ(created.oldContent + created.newContent, 25);

    const std::string prefix = CIniDocument::TemporaryPrefix("011003151230.awp");
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        if (name != "011003151230.awp") {
            EXPECT_EQ(name.rfind(prefix, 0), 0u) << name;
        }
    }
    {
        CIniDocument doc(path, 1);
        doc.WriteString("TEST 1", "Count", "0");
    }
    EXPECT_EQ(FilesIn(dir.path()), 1);
}

TEST(CIniDocumentSave, ACopyOfALiveSaveOrOfAnotherFileIsKept) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    const std::string prefix = CIniDocument::TemporaryPrefix("r.awp");
    // The parent of this test process is alive; this process saves one file at a time.
    const std::string live = dir.file(prefix + std::to_string(::getppid()) + "-abcdef");
    const std::string own = dir.file(prefix + std::to_string(::getpid()) + "-abcdef");
    const std::string other = dir.file(CIniDocument::TemporaryPrefix("s.awp") + "1-abcdef");
    for (const std::string& f : {live, own, other})
        WriteFileBytes(f, "copy");
    {
        CIniDocument doc(path);
        doc.WriteString("S", "A", "1");
    }
    EXPECT_TRUE(FileExists(live));
    EXPECT_FALSE(FileExists(own));
    EXPECT_TRUE(FileExists(other));
}

TEST(CIniDocumentSave, AReadOnlyFileIsRefusedAndLeftAsItWas) {
    TempDir dir;
    const std::string path = dir.file("r.awp");
    WriteFileBytes(path, "[S]\r\nA=1\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read);
    CIniDocument doc(path);
    doc.WriteString("S", "A", "2");
    EXPECT_FALSE(doc.Save());
    EXPECT_TRUE(doc.lastSaveFailed());
    EXPECT_EQ(ReadFileBytes(path), "[S]\r\nA=1\r\n");
}

TEST(CIniDocumentSave, ASymbolicLinkIsFollowedAndKept) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("records"));
    const std::string target = dir.file("records/r.awp");
    const std::string link = dir.file("link.awp");
    WriteFileBytes(target, "[S]\r\nA=1\r\n");
    std::filesystem::create_symlink("records/r.awp", link);
    {
        CIniDocument doc(link);
        doc.WriteString("S", "A", "2");
        EXPECT_TRUE(doc.Save());
    }
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), "[S]\r\nA=2\r\n");
    EXPECT_EQ(FilesIn(dir.file("records")), 1);
}

TEST(CIniDocumentSave, AFileOver64MegabytesIsRefusedUnreadAndUntouched) {
    TempDir dir;
    const std::string path = dir.file("huge.awp");
    WriteFileBytes(path, "[S]\r\nA=1\r\n");
    std::filesystem::resize_file(path, CIniDocument::kMaxFileBytes + 1); // sparse: no disk used
    {
        CIniDocument doc(path);
        EXPECT_TRUE(doc.isTooLarge());
        EXPECT_FALSE(doc.isReadable());
        EXPECT_EQ(doc.GetString("S", "A", "none"), "none");
        doc.WriteString("S", "A", "2");
    }
    EXPECT_EQ(std::filesystem::file_size(path), CIniDocument::kMaxFileBytes + 1);
}
