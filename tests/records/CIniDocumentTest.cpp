#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <vector>

#include "CIniDocument.h"
#include "TempDir.h"

namespace {

using Edit = std::function<void(CIniDocument&)>;

// Writes the bytes, runs the edit on a store over them, and returns the file afterwards.
std::string Edited(const std::string& before, const Edit& edit) {
    TempDir dir;
    const std::string path = dir.file("a.ini");
    WriteFileBytes(path, before);
    {
        CIniDocument doc(path);
        edit(doc);
    }
    return ReadFileBytes(path);
}

Edit Writes(const std::string& section, const std::vector<std::array<std::string, 2>>& keys) {
    return [=](CIniDocument& d) {
        for (const auto& [key, value] : keys)
            EXPECT_EQ(d.WriteString(section, key, value), 1) << key;
    };
}

Edit Deletes(const std::string& section) {
    return [=](CIniDocument& d) { d.DeleteSection(section); };
}

} // namespace

TEST(CIniDocument, EditsChangeOnlyTheirOwnLines) {
    const std::string abc = "[A]\r\nX=1\r\n[B]\r\nY=2\r\n[C]\r\nZ=3\r\n";
    // A patient name holding "[TEST 1]" must not hide the test, nor catch what is written to it.
    const std::string names = "[PATIENT DATA]\r\nName=x[TEST 1]\r\nAddr1=[SPO2 DATA]\r\n";
    const std::string gbk = "\xD5\xC5\xCE\xB0";
    const struct {
        std::string before;
        Edit edit;
        std::string after;
    } cases[] = {
        // New keys go directly under the header, so they stand in reverse order.
        {"", Writes("S", {{"A", "1"}, {"B", "2"}, {"C", "3"}}), "[S]\r\nC=3\r\nB=2\r\nA=1\r\n"},
        {"[S]\r\nX=0\r\n[T]\r\nY=1\r\n", Writes("S", {{"A", "1"}, {"B", "2"}}),
         "[S]\r\nB=2\r\nA=1\r\nX=0\r\n[T]\r\nY=1\r\n"},
        {"[S]\r\nA=1\r\nB=22\r\nC=3\r\n", Writes("S", {{"B", "x"}}),
         "[S]\r\nA=1\r\nB=x\r\nC=3\r\n"},
        {"[S]\r\nA=1\r\n", [](CIniDocument& d) { EXPECT_EQ(d.WriteInt("S", "A", -42), 1); },
         "[S]\r\nA=-42\r\n"},
        // A last line without CR LF is left alone, and a new header never runs into it.
        {"[S]\r\nA=1\r\nB=2", [](CIniDocument& d) { EXPECT_EQ(d.WriteString("S", "B", "9"), 0); },
         "[S]\r\nA=1\r\nB=2"},
        {"[S]\r\nA=1", Writes("T", {{"K", "v"}}), "[S]\r\nA=1\r\n[T]\r\nK=v\r\n"},
        // Only the first of two equal sections; only the named one of two with the same key.
        {"[S]\r\nA=1\r\n[S]\r\nA=2\r\n", Writes("S", {{"A", "9"}}), "[S]\r\nA=9\r\n[S]\r\nA=2\r\n"},
        {"[A]\r\nX=1\r\n[B]\r\nK=b\r\n", Writes("A", {{"K", "a"}}),
         "[A]\r\nK=a\r\nX=1\r\n[B]\r\nK=b\r\n"},
        {names + "[TEST 1]\r\nCount=2\r\n",
         [](CIniDocument& d) {
             Writes("TEST 1", {{"C1", "dizzy"}})(d);
             Writes("SPO2 DATA", {{"DataCount", "0"}})(d);
         },
         names + "[TEST 1]\r\nC1=dizzy\r\nCount=2\r\n[SPO2 DATA]\r\nDataCount=0\r\n"},
        {names + "[TEST 1]\r\nCount=2\r\n", Deletes("TEST 1"), names},
        {abc, Deletes("B"), "[A]\r\nX=1\r\n[C]\r\nZ=3\r\n"},
        {abc, Deletes("C"), "[A]\r\nX=1\r\n[B]\r\nY=2\r\n"},
        {abc, Deletes("Q"), abc},
        {abc, Deletes(""), abc},
        // The text ends at the first NUL byte of the file.
        {std::string("[S]\r\nA=1\r\n\0B=2\r\n", 16), Writes("S", {{"A", "2"}}), "[S]\r\nA=2\r\n"},
        {"", Writes("PATIENT DATA", {{"Name", gbk}}), "[PATIENT DATA]\r\nName=" + gbk + "\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Edited(c.before, c.edit), c.after) << c.before;
}

TEST(CIniDocument, WritesThatWouldBreakTheLinesAreRefused) {
    const std::array<std::string, 3> refused[] = {
        {"", "A", "x"},
        {"S", "", "x"},
        {"S", "A", "two\r\nlines"},
        {"S", "A", "lf\nonly"},
        {"S", "B\r", "x"},
        {"S\n", "B", "x"},
        {"S", "[T]", "x"},                   // its line would read as the header of T
        {"S", "A", std::string("a\0b", 3)}}; // the text after a NUL would vanish
    const std::string text = "[S]\r\nA=1\r\n";
    EXPECT_EQ(Edited(text,
                     [&](CIniDocument& d) {
                         for (const auto& [section, key, value] : refused)
                             EXPECT_EQ(d.WriteString(section, key, value), 0) << key << value;
                     }),
              text);
}

// A key counts only at the start of a line, with its exact case and blanks, up to the first
// "=", in the first section of its name; a last line without CR LF is not there.
TEST(CIniDocument, ReadsFindOnlyWholeKeyLines) {
    const std::array<std::string, 4> cases[] = {
        // text, section, key, value ("none": missing)
        {"K=top\r\n[S]\r\nB=2\r\n", "S", "K", "none"},
        {"[S]\r\nName = Bob\r\nname=bob\r\n", "S", "Name", "none"},
        {"[S]\r\nName = Bob\r\nname=bob\r\n", "S", "Name ", " Bob"},
        {"[S]\r\nAddr11=eleven\r\n", "S", "Addr1", "none"},
        {"[S]\r\nAddr11=eleven\r\n", "S", "Addr11", "eleven"},
        {"[S]\r\nA=\r\n", "S", "A", ""},
        {"[S]\r\nA=1\r\nB=2", "S", "B", "none"},
        {"[S]\r\nA=[x]\r\nB=2\r\n", "S", "A", "[x]"},
        {"[S]\r\nA=[x]\r\nB=2\r\n", "S", "B", "2"},
        {"[S]\r\nA=1\r\n[S]\r\nB=3\r\n", "S", "B", "none"},
        {"[A]\r\nX=1\r\n[B]\r\nK=b\r\n", "A", "K", "none"},
        {"[A]\r\nX=1\r\n[B]\r\nK=b\r\n", "B", "K", "b"},
        {"[P]\r\nName=x[T]\r\n[T]\r\nCount=2\r\n", "T", "Count", "2"},
        {"[S]\r\nA=1\r\n", "", "A", "none"},
    };
    for (const auto& [text, section, key, value] : cases)
        Edited(text, [&](CIniDocument& d) {
            EXPECT_EQ(d.GetString(section, key, "none"), value) << text << key;
        });
    Edited("[P]\r\nName=x[T]\r\n[U]\r\n", [](CIniDocument& d) {
        EXPECT_FALSE(d.HasSection("T"));
        EXPECT_TRUE(d.HasSection("U"));
    });
}

TEST(CIniDocument, NumbersReadAsTheCLibraryReadsThemButSaturate) {
    Edited("[S]\r\nA=\r\nN=abc\r\nM=  -12x\r\n", [](CIniDocument& d) {
        EXPECT_EQ(d.GetInt("S", "A", 5), 0);
        EXPECT_EQ(d.GetInt("S", "N", 5), 0);
        EXPECT_EQ(d.GetInt("S", "M", 5), -12);
        EXPECT_EQ(d.GetInt("S", "Z", 5), 5);
    });
    const std::pair<const char*, int> cases[] = {{" +17", 17},
                                                 {"\t-3abc", -3},
                                                 {"- 3", 0},
                                                 {"99999999999", INT_MAX},
                                                 {"-99999999999", INT_MIN}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(CIniDocument::AtoI(text), value) << text;
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

TEST(CIniDocument, CreateNewStartsEmptyAndReplacesTheFileOnSave) {
    TempDir dir;
    const std::string path = dir.file("new.awp");
    WriteFileBytes(path, "[OLD]\r\nA=1\r\n");
    {
        CIniDocument doc(path, 1);
        EXPECT_EQ(doc.GetString("OLD", "A", "none"), "none");
        doc.WriteString("NEW", "B", "2");
    }
    EXPECT_EQ(ReadFileBytes(path), "[NEW]\r\nB=2\r\n");
    { CIniDocument doc(path, 1); }
    EXPECT_EQ(ReadFileBytes(path), "");
}
