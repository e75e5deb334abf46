#include <gtest/gtest.h>

#include <filesystem>

#include "RecordFileOps.h"
#include "RecordListing.h"
#include "TempDir.h"

TEST(RecordListing, ListsAtMost500RecordsWithTheirDefaultsAndWritesNothing) {
    TempDir dir;
    WriteFileBytes(dir.file("b.awp"), "[PATIENT DATA]\r\nName=Bo\r\nID=7\r\nTest Count=2\r\n"
                                      "[TEST 1]\r\nTestBeginDate=1/1/2026 8:00\r\n"
                                      "[TEST 2]\r\nTestBeginDate=2/1/2026 9:30\r\n");
    const std::string bare = "[OTHER]\r\nX=1\r\n";
    WriteFileBytes(dir.file("a.awp"), bare);
    WriteFileBytes(dir.file("notes.txt"), "x");
    std::filesystem::create_directory(dir.file("folder.awp"));

    const auto rows = ListRecordFiles(dir.path(), "Null");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fileName + rows[0].name + rows[0].id + rows[0].beginDate,
              "a.awpNullNullno String");
    EXPECT_EQ(rows[1].name + " " + rows[1].beginDate, "Bo 2/1/2026 9:30"); // the last test's date
    EXPECT_EQ(ReadFileBytes(dir.file("a.awp")), bare);
    EXPECT_TRUE(ListRecordFiles(dir.file("missing"), "no string").empty());

    for (int i = 0; i < 501; ++i)
        WriteFileBytes(dir.file("r" + std::to_string(1000 + i) + ".awp"), "");
    EXPECT_EQ(ListRecordFiles(dir.path(), "no string").size(), 500u);
}

// A copy replaces the target but never the source itself; a missing file fails alone.
TEST(RecordFileOps, CopiesAndDeletesTheSelectedFilesAndReportsTheRest) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("to"));
    WriteFileBytes(dir.file("r.awp"), "new");
    WriteFileBytes(dir.file("b.awp"), "x");
    WriteFileBytes(dir.file("to/r.awp"), "old");
    EXPECT_EQ(CopyRecordFiles({dir.file("r.awp")}, dir.path()).size(), 1u);
    EXPECT_EQ(ReadFileBytes(dir.file("r.awp")), "new");
    const auto failures =
        CopyRecordFiles({dir.file("gone.awp"), dir.file("r.awp")}, dir.file("to"));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, dir.file("gone.awp"));
    EXPECT_EQ(ReadFileBytes(dir.file("to/r.awp")), "new");
    const auto notDeleted = DeleteRecordFiles({dir.file("r.awp"), dir.file("zz.awp")});
    ASSERT_EQ(notDeleted.size(), 1u);
    EXPECT_EQ(notDeleted[0].path, dir.file("zz.awp"));
    EXPECT_FALSE(FileExists(dir.file("r.awp")));
    EXPECT_TRUE(FileExists(dir.file("b.awp")));
}
