#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "CIniDocument.h"
#include "TempDir.h"

namespace {

long FilesIn(const std::string& folder) {
    using std::filesystem::directory_iterator;
    return std::distance(directory_iterator(folder), directory_iterator{});
}

} // namespace

// A missing file, or one created anew, changes only at the save; a symbolic link stays one.
TEST(CIniDocumentSave, ChangedFilesAreReplacedWholeAndOnlyThey) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("records"));
    const std::string path = dir.file("records/r.awp");
    WriteFileBytes(path, "[S]\r\nA=1\r\n");
    std::filesystem::create_symlink("records/r.awp", dir.file("link.awp"));
    CIniDocument(dir.file("link.awp")).WriteString("S", "A", "2");
    EXPECT_EQ(ReadFileBytes(path), "[S]\r\nA=2\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.awp")));
    {
        CIniDocument doc(path, 1);
        EXPECT_EQ(doc.GetString("S", "A", "none"), "none");
        EXPECT_EQ(ReadFileBytes(path), "[S]\r\nA=2\r\n");
    }
    EXPECT_EQ(ReadFileBytes(path), "");

    const std::string fresh = dir.file("OblCofig.ini");
    {
        CIniDocument doc(fresh);
        EXPECT_FALSE(FileExists(fresh));
        EXPECT_TRUE(doc.Save());
        EXPECT_EQ(ReadFileBytes(fresh), "");
        doc.WriteString("S", "K", "v");
    }
    EXPECT_EQ(ReadFileBytes(fresh), "[S]\r\nK=v\r\n");
}

// A full disk, a vanished folder, a read-only file (which an unchanged store never tries to
// save): the save fails, says so and leaves the old file. A folder in place of the file or a file
// over 64 MB cannot be read whole and is never written, not even by the destructor.
TEST(CIniDocumentSave, FailedSavesLeaveTheOldFileAndAreReported) {
    TempDir dir;
    const std::string old = "[S]\r\nA=1\r\n";
    std::filesystem::create_directory(dir.file("patients"));
    for (const char* name : {"full.awp", "patients/r.awp", "ro.awp", "huge.awp"})
        WriteFileBytes(dir.file(name), old);
    std::filesystem::permissions(dir.file("ro.awp"), std::filesystem::perms::owner_read);
    std::filesystem::resize_file(dir.file("huge.awp"), CIniDocument::kMaxFileBytes + 1); // sparse
    std::filesystem::create_directory(dir.file("folder.awp"));
    {
        CIniDocument full(dir.file("full.awp"));
        full.WriteString("S", "Big", std::string(4096, 'x'));
        // A cap on the size of written files fails the write as a full disk does (root
        // ignores permissions, but not this cap).
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{100, unlimited.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &cap);
        EXPECT_FALSE(full.Save());
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, handler);
        EXPECT_EQ(ReadFileBytes(dir.file("full.awp")), old);
        EXPECT_EQ(FilesIn(dir.path()), 5);
        CIniDocument moved(dir.file("patients/r.awp"));
        CIniDocument readOnly(dir.file("ro.awp"));
        EXPECT_EQ(readOnly.WriteString("S", "A", "1"), 1); // the old value: nothing to save
        EXPECT_TRUE(readOnly.Save());
        moved.WriteString("S", "A", "2");
        readOnly.WriteString("S", "A", "2");
        std::filesystem::rename(dir.file("patients"), dir.file("moved"));
        EXPECT_FALSE(moved.Save());
        EXPECT_FALSE(readOnly.Save());
        for (const char* name : {"folder.awp", "huge.awp"}) {
            CIniDocument doc(dir.file(name));
            EXPECT_FALSE(doc.isReadable()) << name;
            EXPECT_EQ(doc.isTooLarge(), name == std::string("huge.awp"));
            EXPECT_EQ(doc.WriteString("S", "A", "x"), 1); // in memory only
            EXPECT_FALSE(doc.Save());
        }
    }
    EXPECT_NE(ReadFileBytes(dir.file("full.awp")), old); // the cap is gone: saved at the end
    EXPECT_EQ(ReadFileBytes(dir.file("moved/r.awp")), old);
    EXPECT_EQ(ReadFileBytes(dir.file("ro.awp")), old);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.awp")));
    EXPECT_EQ(std::filesystem::file_size(dir.file("huge.awp")), CIniDocument::kMaxFileBytes + 1);
    // A path in a folder that does not exist: not open, nothing created.
    { EXPECT_FALSE(CIniDocument(dir.file("no/such/r.awp")).isOpen()); }
    EXPECT_FALSE(FileExists(dir.file("no")));
}

namespace {

constexpr int kReadings = 400;

// A record as the download leaves it (keys written later stand higher up), every reading
// with the same text.
std::string RecordText(char digit) {
    std::string body;
    for (int n = 1; n <= kReadings; ++n)
        body = std::to_string(n) + "=" + std::string(25, digit) + "\r\n" + body;
    return "[TEST 1]\r\n" + body;
}

// Loads the record, rewrites every reading (into a new file: "0", else "1"), tells `ready`
// and saves. Returns the microseconds the save took.
long long SaveRecord(const std::string& path, int createNew, int ready = -1) {
    CIniDocument doc(path, createNew);
    for (int n = 1; n <= kReadings; ++n)
        doc.WriteString("TEST 1", std::to_string(n), std::string(25, createNew ? '0' : '1'));
    if (ready >= 0 && ::write(ready, "s", 1) != 1) return 0;
    const auto start = std::chrono::steady_clock::now();
    doc.Save();
    const auto took = std::chrono::steady_clock::now() - start;
    return std::chrono::duration_cast<std::chrono::microseconds>(took).count();
}

// Once per kill: puts `before` in place (none: no file), lets a child process save the record
// and kills it with SIGKILL a random time after the save began, from 0 to twice the time a
// save takes here, so kills land before, during and after it. The file must then hold the old
// or the new content, byte for byte. Returns how many kills left the old one.
int KillSaves(const std::string& path, const std::optional<std::string>& before, int createNew,
              int kills) {
    const std::string after = RecordText(createNew ? '0' : '1');
    const auto restore = [&] {
        before ? WriteFileBytes(path, *before) : void(std::filesystem::remove(path));
    };
    std::vector<long long> took(5);
    for (long long& t : took)
        restore(), t = SaveRecord(path, createNew);
    std::sort(took.begin(), took.end());
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long long> delay(0, std::max(200LL, 2 * took[2]));
    int old = 0;
    for (int kill = 0; kill < kills; ++kill) {
        restore();
        int ready[2];
        if (::pipe(ready) != 0) ADD_FAILURE() << "pipe";
        const pid_t child = ::fork();
        if (child == 0) {
            SaveRecord(path, createNew, ready[1]);
            ::_exit(0);
        }
        char byte = 0;
        ::close(ready[1]);
        if (::read(ready[0], &byte, 1) != 1) ADD_FAILURE() << "the child did not save";
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto now = FileExists(path) ? std::optional(ReadFileBytes(path)) : std::nullopt;
        old += now == before;
        if (now != before && now != after)
            ADD_FAILURE() << "kill " << kill << " left neither the old nor the new content";
    }
    return old;
}

} // namespace

// Saves killed at any moment leave the old content or the new one whole: an edited record
// stays readable, a new record is there whole or not at all. The copies the kills leave behind
// carry the target's name and go at its next save, as do those of this process (it saves one
// file at a time); those of a live process (the parent of this one) or of another file stay.
TEST(CIniDocumentSave, AKilledSaveLeavesTheOldOrTheNewRecordWholeAndNoCopiesForLong) {
    TempDir dir;
    const std::string path = dir.file("011003151230.awp");
    const int old = KillSaves(path, RecordText('0'), 0, 200);
    EXPECT_GT(old, 0); // both outcomes, or the kills missed the save
    EXPECT_LT(old, 200);
    KillSaves(path, std::nullopt, 1, 25);

    const std::string prefix = CIniDocument::TemporaryPrefix("011003151230.awp");
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = e.path().filename().string();
        EXPECT_TRUE(name == "011003151230.awp" || name.rfind(prefix, 0) == 0) << name;
    }
    const std::string live = dir.file(prefix + std::to_string(::getppid()) + "-abcdef");
    const std::string other =
        dir.file(CIniDocument::TemporaryPrefix("s.awp") + std::to_string(::getpid()) + "-abcdef");
    const std::string own = dir.file(prefix + std::to_string(::getpid()) + "-abcdef");
    for (const std::string& f : {live, other, own})
        WriteFileBytes(f, "copy");
    CIniDocument(path, 1).WriteString("TEST 1", "Count", "0");
    EXPECT_EQ(FilesIn(dir.path()), 3);
    EXPECT_TRUE(FileExists(live));
    EXPECT_TRUE(FileExists(other));
}
