#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <vector>

#include "CIniDocument.h"
#include "TempDir.h"

namespace {

using Edit = std::function<void(CIniDocument&)>;

// The tables write their texts with LF for readability; the files hold CR LF.
std::string CrLf(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

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

Edit Writes(const std::vector<std::array<std::string, 3>>& writes) {
    return [=](CIniDocument& d) {
        for (const auto& [section, key, value] : writes)
            EXPECT_EQ(d.WriteString(section, key, value), 1) << key;
    };
}

Edit Deletes(const std::string& section) {
    return [=](CIniDocument& d) { d.DeleteSection(section); };
}

} // namespace

TEST(CIniDocument, EditsChangeOnlyTheirOwnLines) {
    const std::string abc = "[A]\nX=1\n[B]\nY=2\n[C]\nZ=3\n";
    // A patient name holding "[TEST 1]" must not hide the test, nor catch what is written to it.
    const std::string names = "[PATIENT DATA]\nName=x[TEST 1]\nAddr1=[SPO2 DATA]\n";
    const std::string gbk = "\xD5\xC5\xCE\xB0";
    const struct {
        std::string before;
        Edit edit;
        std::string after;
    } cases[] = {
        // New keys go directly under the header, so they stand in reverse order.
        {"[S]\nX=0\n[T]\nY=1\n", Writes({{"S", "A", gbk}, {"S", "B", "2"}}),
         "[S]\nB=2\nA=" + gbk + "\nX=0\n[T]\nY=1\n"},
        {"[S]\nA=1\nB=22\nC=3\n", Writes({{"S", "B", "x"}}), "[S]\nA=1\nB=x\nC=3\n"},
        // A new header never runs into a last line without CR LF.
        {"[S]\nA=1", Writes({{"T", "K", "v"}}), "[S]\nA=1\n[T]\nK=v\n"},
        // Only the first of two equal sections; only the named one of two with the same key.
        {"[S]\nA=1\n[S]\nA=2\n", Writes({{"S", "A", "9"}}), "[S]\nA=9\n[S]\nA=2\n"},
        {"[A]\nX=1\n[B]\nK=b\n", Writes({{"A", "K", "a"}}), "[A]\nK=a\nX=1\n[B]\nK=b\n"},
        {names + "[TEST 1]\nCount=2\n",
         Writes({{"TEST 1", "C1", "dizzy"}, {"SPO2 DATA", "DataCount", "0"}}),
         names + "[TEST 1]\nC1=dizzy\nCount=2\n[SPO2 DATA]\nDataCount=0\n"},
        {names + "[TEST 1]\nCount=2\n", Deletes("TEST 1"), names},
        {abc, Deletes("B"), "[A]\nX=1\n[C]\nZ=3\n"},
        {abc, Deletes("Q"), abc},
        // The text ends at the first NUL byte of the file.
        {std::string("[S]\nA=1\n\0B=2\n", 13), Writes({{"S", "A", "2"}}), "[S]\nA=2\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Edited(CrLf(c.before), c.edit), CrLf(c.after)) << c.before;
}

// Also refused: a key "[T]", whose line would read as the header of T; a NUL, which would
// hide what follows it; and a key on a last line without CR LF, which is left alone.
TEST(CIniDocument, WritesThatWouldBreakTheLinesAreRefused) {
    const std::array<std::string, 3> refused[] = {
        {"", "A", "x"},         {"S", "", "x"},
        {"S", "A", "cr\ronly"}, {"S", "A", "lf\nonly"},
        {"S", "B\r", "x"},      {"S\n", "B", "x"},
        {"S", "[T]", "x"},      {"S", "A", std::string("a\0b", 3)},
        {"S", "B", "9"}};
    const std::string text = "[S]\r\nA=1\r\nB=2";
    EXPECT_EQ(Edited(text,
                     [&](CIniDocument& d) {
                         for (const auto& [section, key, value] : refused)
                             EXPECT_EQ(d.WriteString(section, key, value), 0) << key << value;
                     }),
              text);
}

// A key counts only at a line's start, with its exact case and blanks, up to the first "=", in
// the first section of its name, on a line ending in CR LF. Numbers read as atoi, saturated.
TEST(CIniDocument, ReadsFindOnlyWholeKeyLines) {
    const std::array<std::string, 4> cases[] = {
        // text, section, key, value ("none": missing)
        {"K=top\n[S]\nB=2\n", "S", "K", "none"},
        {"[S]\nName = Bob\nname=bob\n", "S", "Name", "none"},
        {"[S]\nName = Bob\nname=bob\n", "S", "Name ", " Bob"},
        {"[S]\nAddr11=eleven\n", "S", "Addr1", "none"},
        {"[S]\nA=\n", "S", "A", ""},
        {"[S]\nA=1\nB=2", "S", "B", "none"},
        {"[S]\nA=[x]\nB=2\n", "S", "A", "[x]"},
        {"[S]\nA=1\n[S]\nB=3\n", "S", "B", "none"},
        {"[A]\nX=1\n[B]\nK=b\n", "A", "K", "none"},
        {"[P]\nName=x[T]\n[T]\nCount=2\n", "T", "Count", "2"},
    };
    for (const auto& [text, section, key, value] : cases)
        Edited(CrLf(text), [&](CIniDocument& d) {
            EXPECT_EQ(d.GetString(section, key, "none"), value) << text << key;
        });
    Edited("[P]\r\nName=x[T]\r\n[U]\r\nA=\r\n", [](CIniDocument& d) {
        EXPECT_FALSE(d.HasSection("T"));
        EXPECT_TRUE(d.HasSection("U"));
        EXPECT_EQ(d.GetInt("U", "A", 5), 0);
        EXPECT_EQ(d.GetInt("U", "Z", 5), 5);
    });
    const std::pair<const char*, int> numbers[] = {{"abc", 0},
                                                   {" +17", 17},
                                                   {"\t-3abc", -3},
                                                   {"- 3", 0},
                                                   {"99999999999", INT_MAX},
                                                   {"-99999999999", INT_MIN}};
    for (const auto& [text, value] : numbers)
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
        WriteFileBytes(dir.file("fresh.ini"), doc.text());
        const CIniDocument reference(dir.file("fresh.ini"));
        for (const std::string& s : sections) {
            ASSERT_EQ(doc.HasSection(s), reference.HasSection(s)) << step << " " << s;
            for (const std::string& k : keys)
                ASSERT_EQ(doc.GetString(s, k, "none"), reference.GetString(s, k, "none"))
                    << step << " " << s << " " << k << "\n"
                    << doc.text();
        }
    }
}
