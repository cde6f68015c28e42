// Line reading: every kind of line end, a missing last one, long lines and the buffer
// boundary.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "project/LineReader.h"
#include "tests/support/TempDir.h"

namespace {
struct SLine {
    std::string strText, strEnd;
    bool operator==(const SLine& o) const { return strText == o.strText && strEnd == o.strEnd; }
};

std::ostream& operator<<(std::ostream& out, const SLine& line) {
    return out << "[" << line.strText.size() << " bytes, end " << line.strEnd.size() << "]";
}

std::vector<SLine> ReadAll(const std::string& content) {
    CTempDir dir;
    std::string path = dir.WriteFile("f.txt", content);
    CLineReader reader;
    EXPECT_TRUE(reader.Open(path));
    std::vector<SLine> lines;
    SLine line;
    while (reader.ReadLine(line.strText, line.strEnd))
        lines.push_back(line);
    EXPECT_FALSE(reader.HasError());
    return lines;
}
} // namespace

TEST(LineReader, LfAndCrLfGiveTheSameLines) {
    EXPECT_EQ(ReadAll("one\ntwo\n"), (std::vector<SLine>{{"one", "\n"}, {"two", "\n"}}));
    EXPECT_EQ(ReadAll("one\r\ntwo\r\n"), (std::vector<SLine>{{"one", "\r\n"}, {"two", "\r\n"}}));
}

TEST(LineReader, LoneCarriageReturnEndsALineWithoutEatingTheNextByte) {
    EXPECT_EQ(ReadAll("one\rtwo\rthree"),
              (std::vector<SLine>{{"one", "\r"}, {"two", "\r"}, {"three", ""}}));
    EXPECT_EQ(ReadAll("a\r\rb\r\r\n"),
              (std::vector<SLine>{{"a", "\r"}, {"", "\r"}, {"b", "\r"}, {"", "\r\n"}}));
}

TEST(LineReader, LastLineWithoutLineEndIsRead) {
    EXPECT_EQ(ReadAll("one\nlast"), (std::vector<SLine>{{"one", "\n"}, {"last", ""}}));
}

TEST(LineReader, NothingFollowsAFinalLineEnd) {
    EXPECT_EQ(ReadAll("one\n"), (std::vector<SLine>{{"one", "\n"}}));
    EXPECT_EQ(ReadAll("\n\n"), (std::vector<SLine>{{"", "\n"}, {"", "\n"}}));
}

TEST(LineReader, EmptyFileHasNoLines) {
    EXPECT_TRUE(ReadAll("").empty());
}

TEST(LineReader, LineLongerThanTheBufferIsOneLine) {
    std::string longLine(10000, 'x');
    EXPECT_EQ(ReadAll(longLine + "\nend"), (std::vector<SLine>{{longLine, "\n"}, {"end", ""}}));
}

TEST(LineReader, CrLfSplitAcrossTheBufferBoundaryStaysOneLineEnd) {
    std::string first(4095, 'a');
    EXPECT_EQ(ReadAll(first + "\r\nb"), (std::vector<SLine>{{first, "\r\n"}, {"b", ""}}));
    std::string exact(4096, 'c');
    EXPECT_EQ(ReadAll(exact + "\rd"), (std::vector<SLine>{{exact, "\r"}, {"d", ""}}));
}

TEST(LineReader, KeepsEveryByteOfALine) {
    std::string bytes = std::string("a\0b\t\xC3\xA9", 6);
    EXPECT_EQ(ReadAll(bytes + "\n"), (std::vector<SLine>{{bytes, "\n"}}));
}

TEST(LineReader, PipesAndDevicesAreNotTextFiles) {
    CTempDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    CLineReader pipe;
    EXPECT_FALSE(pipe.Open(dir / "pipe"));
    CLineReader device;
    EXPECT_FALSE(device.Open("/dev/zero"));
}

TEST(LineReader, MissingFileOrFolderCannotBeOpened) {
    CTempDir dir;
    CLineReader reader;
    EXPECT_FALSE(reader.Open(dir / "missing.txt"));
    CLineReader folder;
    EXPECT_FALSE(folder.Open(dir.Path()));
    std::string line, end;
    EXPECT_FALSE(folder.ReadLine(line, end));
}
