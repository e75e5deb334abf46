#include <gtest/gtest.h>

#include <vector>

#include "CIniDocument.h"
#include "TempDir.h"

namespace {

// Writes the bytes, runs f on a store over them, and returns the file afterwards.
template <typename F> std::string Edit(const std::string& before, F f) {
    TempDir dir;
    const std::string path = dir.file("a.ini");
    WriteFileBytes(path, before);
    {
        CIniDocument doc(path);
        f(doc);
    }
    return ReadFileBytes(path);
}

} // namespace

TEST(CIniDocument, MissingFileIsCreatedAndHoldsExactlyWhatWasWritten) {
    TempDir dir;
    const std::string empty = dir.file("empty.ini");
    { CIniDocument doc(empty); }
    EXPECT_TRUE(FileExists(empty));
    EXPECT_EQ(ReadFileBytes(empty), "");

    const std::string one = dir.file("one.ini");
    {
        CIniDocument doc(one);
        EXPECT_EQ(doc.WriteString("S", "K", "v"), 1);
    }
    EXPECT_EQ(ReadFileBytes(one), "[S]\r\nK=v\r\n");
}

TEST(CIniDocument, NewKeysGoDirectlyUnderTheHeaderInReverseOrder) {
    // Section created by the first write.
    EXPECT_EQ(Edit("",
                   [](CIniDocument& d) {
                       d.WriteString("S", "A", "1");
                       d.WriteString("S", "B", "2");
                       d.WriteString("S", "C", "3");
                   }),
              "[S]\r\nC=3\r\nB=2\r\nA=1\r\n");
    // Section that existed before, followed by another one.
    EXPECT_EQ(Edit("[S]\r\nX=0\r\n[T]\r\nY=1\r\n",
                   [](CIniDocument& d) {
                       d.WriteString("S", "A", "1");
                       d.WriteString("S", "B", "2");
                       d.WriteString("S", "C", "3");
                   }),
              "[S]\r\nC=3\r\nB=2\r\nA=1\r\nX=0\r\n[T]\r\nY=1\r\n");
}

TEST(CIniDocument, ReplacingAValueKeepsTheLineOrder) {
    EXPECT_EQ(Edit("[S]\r\nA=1\r\nB=22\r\nC=3\r\n",
                   [](CIniDocument& d) { EXPECT_EQ(d.WriteString("S", "B", "x"), 1); }),
              "[S]\r\nA=1\r\nB=x\r\nC=3\r\n");
    EXPECT_EQ(
        Edit("[S]\r\nA=1\r\n", [](CIniDocument& d) { EXPECT_EQ(d.WriteInt("S", "A", -42), 1); }),
        "[S]\r\nA=-42\r\n");
}

TEST(CIniDocument, LastLineWithoutCrLfReadsAsMissingAndIsNotWritten) {
    const std::string text = "[S]\r\nA=1\r\nB=2";
    EXPECT_EQ(Edit(text,
                   [](CIniDocument& d) {
                       EXPECT_EQ(d.GetString("S", "A", "no"), "1");
                       EXPECT_EQ(d.GetString("S", "B", "no"), "no");
                       EXPECT_EQ(d.GetInt("S", "B", 7), 7);
                       EXPECT_EQ(d.WriteString("S", "B", "9"), 0);
                   }),
              text);
}

TEST(CIniDocument, NewSectionAfterALastLineWithoutCrLfStartsOnItsOwnLine) {
    EXPECT_EQ(Edit("[S]\r\nA=1", [](CIniDocument& d) { d.WriteString("T", "K", "v"); }),
              "[S]\r\nA=1\r\n[T]\r\nK=v\r\n");
}

TEST(CIniDocument, KeysAreFoundOnlyAtLineStartWithExactCase) {
    const std::string text = "K=top\r\n[S]\r\nName = Bob\r\nname=bob\r\nAddr11=eleven\r\n";
    Edit(text, [](CIniDocument& d) {
        EXPECT_EQ(d.GetString("S", "K", "missing"), "missing"); // first line, no header above
        EXPECT_EQ(d.GetString("S", "Name", "missing"), "missing");
        EXPECT_EQ(d.GetString("S", "Name ", "missing"), " Bob"); // blanks belong to names
        EXPECT_EQ(d.GetString("S", "Addr1", "missing"), "missing");
        EXPECT_EQ(d.GetString("S", "Addr11", "missing"), "eleven");
    });
}

TEST(CIniDocument, EmptyValueIsPresentNotDefault) {
    Edit("[S]\r\nA=\r\nN=abc\r\nM=  -12x\r\n", [](CIniDocument& d) {
        EXPECT_EQ(d.GetString("S", "A", "def"), "");
        EXPECT_EQ(d.GetInt("S", "A", 5), 0);
        EXPECT_EQ(d.GetInt("S", "N", 5), 0);
        EXPECT_EQ(d.GetInt("S", "M", 5), -12);
        EXPECT_EQ(d.GetInt("S", "Z", 5), 5);
    });
}

TEST(CIniDocument, AtoIFollowsTheCLibraryAndSaturates) {
    EXPECT_EQ(CIniDocument::AtoI(" +17"), 17);
    EXPECT_EQ(CIniDocument::AtoI("\t-3abc"), -3);
    EXPECT_EQ(CIniDocument::AtoI("- 3"), 0);
    EXPECT_EQ(CIniDocument::AtoI("99999999999"), 2147483647);
    EXPECT_EQ(CIniDocument::AtoI("-99999999999"), -2147483647 - 1);
}

TEST(CIniDocument, KeyOfALaterSectionIsMissingInTheFirstAndWrittenThere) {
    EXPECT_EQ(Edit("[A]\r\nX=1\r\n[B]\r\nK=b\r\n",
                   [](CIniDocument& d) {
                       EXPECT_EQ(d.GetString("A", "K", "none"), "none");
                       EXPECT_EQ(d.WriteString("A", "K", "a"), 1);
                       EXPECT_EQ(d.GetString("B", "K", "none"), "b");
                   }),
              "[A]\r\nK=a\r\nX=1\r\n[B]\r\nK=b\r\n");
}

TEST(CIniDocument, BracketInsideAValueDoesNotEndTheSection) {
    Edit("[S]\r\nA=[x]\r\nB=2\r\n", [](CIniDocument& d) {
        EXPECT_EQ(d.GetString("S", "A", ""), "[x]");
        EXPECT_EQ(d.GetString("S", "B", ""), "2");
    });
}

TEST(CIniDocument, OnlyTheFirstOfTwoEqualSectionsIsSeen) {
    EXPECT_EQ(Edit("[S]\r\nA=1\r\n[S]\r\nA=2\r\nB=3\r\n",
                   [](CIniDocument& d) {
                       EXPECT_EQ(d.GetString("S", "A", ""), "1");
                       EXPECT_EQ(d.GetString("S", "B", "none"), "none");
                       d.WriteString("S", "A", "9");
                   }),
              "[S]\r\nA=9\r\n[S]\r\nA=2\r\nB=3\r\n");
}

TEST(CIniDocument, DeleteSectionRemovesHeaderAndBody) {
    const std::string text = "[A]\r\nX=1\r\n[B]\r\nY=2\r\n[C]\r\nZ=3\r\n";
    EXPECT_EQ(Edit(text, [](CIniDocument& d) { d.DeleteSection("B"); }),
              "[A]\r\nX=1\r\n[C]\r\nZ=3\r\n");
    EXPECT_EQ(Edit(text, [](CIniDocument& d) { d.DeleteSection("C"); }),
              "[A]\r\nX=1\r\n[B]\r\nY=2\r\n");
    EXPECT_EQ(Edit(text, [](CIniDocument& d) { d.DeleteSection("Q"); }), text);
    EXPECT_EQ(Edit(text, [](CIniDocument& d) { d.DeleteSection(""); }), text);
}

TEST(CIniDocument, EmptyNamesLineBreaksNulBytesAndBracketKeysAreRefused) {
    const std::string text = "[S]\r\nA=1\r\n";
    EXPECT_EQ(Edit(text,
                   [](CIniDocument& d) {
                       EXPECT_EQ(d.WriteString("", "A", "x"), 0);
                       EXPECT_EQ(d.WriteString("S", "", "x"), 0);
                       EXPECT_EQ(d.WriteString("S", "A", "two\r\nlines"), 0);
                       EXPECT_EQ(d.WriteString("S", "A", "lf\nonly"), 0);
                       EXPECT_EQ(d.WriteString("S", "B\r", "x"), 0);
                       EXPECT_EQ(d.WriteString("S\n", "B", "x"), 0);
                       // The text after a NUL would vanish at the next load.
                       EXPECT_EQ(d.WriteString("S", "A", std::string("a\0b", 3)), 0);
                       // Its line would read as the header of section T.
                       EXPECT_EQ(d.WriteString("S", "[T]", "x"), 0);
                       EXPECT_EQ(d.GetString("", "A", "d"), "d");
                   }),
              text);
}

// A patient name holding "[TEST 1]" must not hide the test, nor catch what is written to it.
TEST(CIniDocument, AHeaderCountsOnlyAtTheStartOfALine) {
    const std::string text = "[PATIENT DATA]\r\nName=x[TEST 1]\r\nAddr1=[SPO2 DATA]\r\n"
                             "[TEST 1]\r\nCount=2\r\n";
    EXPECT_EQ(Edit(text,
                   [](CIniDocument& d) {
                       EXPECT_TRUE(d.HasSection("TEST 1"));
                       EXPECT_FALSE(d.HasSection("SPO2 DATA"));
                       EXPECT_EQ(d.GetString("TEST 1", "Count", ""), "2");
                       EXPECT_EQ(d.WriteString("TEST 1", "C1", "dizzy"), 1);
                       EXPECT_EQ(d.WriteString("SPO2 DATA", "DataCount", "0"), 1);
                   }),
              "[PATIENT DATA]\r\nName=x[TEST 1]\r\nAddr1=[SPO2 DATA]\r\n"
              "[TEST 1]\r\nC1=dizzy\r\nCount=2\r\n[SPO2 DATA]\r\nDataCount=0\r\n");
    EXPECT_EQ(Edit(text, [](CIniDocument& d) { d.DeleteSection("TEST 1"); }),
              "[PATIENT DATA]\r\nName=x[TEST 1]\r\nAddr1=[SPO2 DATA]\r\n");
    // At the very start of the text a header counts, too.
    Edit("[A]\r\nK=1\r\n", [](CIniDocument& d) { EXPECT_EQ(d.GetString("A", "K", ""), "1"); });
}

// Every edit keeps the noted positions of sections and keys current: after each step, every
// key reads the same as from a store that loads the edited text afresh.
TEST(CIniDocument, PositionsStayRightThroughWritesAndDeletes) {
    const std::vector<std::string> sections = {"A", "B", "C", "A]x"};
    const std::vector<std::string> keys = {"K", "K1", "K11", "L", "L=2", "M"};
    const std::vector<std::string> values = {"", "v", "a much longer value", "=x", "[B]"};
    TempDir dir;
    const std::string path = dir.file("a.ini");
    WriteFileBytes(path, "lead\r\n[B]\r\nK=b\r\nL=2=3\r\n[A]x]junk\r\nK=ax\r\n[C]");
    CIniDocument doc(path);
    unsigned seed = 7;
    auto next = [&seed](std::size_t n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::size_t>((seed >> 16) % n);
    };
    for (int step = 0; step < 300; ++step) {
        const std::string& section = sections[next(sections.size())];
        if (next(12) == 0)
            doc.DeleteSection(section);
        else
            doc.WriteString(section, keys[next(keys.size())], values[next(values.size())]);
        const std::string fresh = dir.file("fresh.ini");
        WriteFileBytes(fresh, doc.text());
        const CIniDocument reference(fresh);
        for (const std::string& s : sections) {
            ASSERT_EQ(doc.HasSection(s), reference.HasSection(s)) << step << " " << s;
            for (const std::string& k : keys)
                ASSERT_EQ(doc.GetString(s, k, "none"), reference.GetString(s, k, "none"))
                    << step << " " << s << " " << k << "\n"
                    << doc.text();
        }
    }
}

TEST(CIniDocument, TextEndsAtTheFirstNulByte) {
    std::string bytes = "[S]\r\nA=1\r\n";
    bytes += '\0';
    bytes += "B=2\r\n";
    Edit(bytes, [](CIniDocument& d) {
        EXPECT_EQ(d.text(), "[S]\r\nA=1\r\n");
        EXPECT_EQ(d.GetString("S", "B", "none"), "none");
    });
}

TEST(CIniDocument, CreateNewStartsEmptyAndReplacesTheFileOnSave) {
    TempDir dir;
    const std::string path = dir.file("new.awp");
    WriteFileBytes(path, "[OLD]\r\nA=1\r\n");
    {
        CIniDocument doc(path, 1);
        EXPECT_EQ(doc.text(), "");
        EXPECT_EQ(doc.GetString("OLD", "A", "none"), "none");
        doc.WriteString("NEW", "B", "2");
    }
    EXPECT_EQ(ReadFileBytes(path), "[NEW]\r\nB=2\r\n");

    { CIniDocument doc(path, 1); }
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST(CIniDocument, GbkBytesPassThroughUnchanged) {
    const std::string name = "\xD5\xC5\xCE\xB0"; // two GBK characters
    EXPECT_EQ(Edit("", [&](CIniDocument& d) { d.WriteString("PATIENT DATA", "Name", name); }),
              "[PATIENT DATA]\r\nName=" + name + "\r\n");
}
