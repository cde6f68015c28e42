// Taking the rules over from another project file, and the word list export.
#include <sys/stat.h>

#include "tests/project/DecisionFixture.h"

namespace {
class Transfer : public DecisionTest {};
} // namespace

TEST_F(Transfer, ImportReplacesBothRuleSetsAndReopensFindings) {
    engine.Reject("wrod", {"word", "ward"});
    Add("a.txt", "1:teh 2:teh 1:darn\n1:teh 4:wrod@TRACE\n");
    std::string b = Add("b.txt", "1:teh@OLD\n");
    Run();
    doc.IgnoreAllWord("teh", 1);
    doc.IgnoreCallsTo("OLD");
    IgnoreOne(Error(0, 1));
    IgnoreOne(Error(0, 2)); // by hand, and no imported rule covers it
    ChooseOne(Error(0, 0), 1);

    CMirtDoc other(app);
    other.AddFile(b);
    other.m_dictionary.SetReplacement("teh", 2, "<ignore>");
    other.m_dictionary.SetReplacement("wrod", 4, "ward");
    other.m_ignoreCalls.SetAt("TRACE");
    std::string project = dir / "other.mrk";
    ASSERT_TRUE(other.OnSaveDocument(project));

    ASSERT_TRUE(doc.ImportDictionary(project));
    EXPECT_EQ(
        doc.m_dictionary.GetEntries(),
        (std::map<std::string, std::string>{{"teh", "\n<ignore>\n\n"}, {"wrod", "\n\nward\n"}}));
    EXPECT_EQ(doc.m_ignoreCalls.GetEntries(), (std::map<std::string, std::string>{{"TRACE", ""}}));
    EXPECT_EQ(Ignored(0), (Flags{0, 1, 0, 0, 1}));
    EXPECT_EQ(Ignored(1), (Flags{0}));
    // Chosen replacements are not reset by the import.
    EXPECT_EQ(Chosen(0), (Flags{1, -1, -1, -1, 1}));
    EXPECT_EQ(doc.GetDecisions().GetUndoCount(), 8u);
    EXPECT_EQ(doc.GetUndoText(), "&Undo Ignore calls to 'TRACE'\tCtrl+Z");
    EXPECT_EQ(doc.m_files.size(), 2u);
    EXPECT_TRUE(app.Display().Messages().empty());
}

TEST_F(Transfer, ImportOfAnUnreadableProjectChangesNothing) {
    Add("a.txt", "1:teh\n");
    Run();
    doc.IgnoreAllWord("teh", 1);
    std::string missing = dir / "missing.mrk";
    EXPECT_FALSE(doc.ImportDictionary(missing));
    std::string broken = dir.WriteFile("broken.mrk", std::string("\x05\x00\x00\x00\x01", 5));
    EXPECT_FALSE(doc.ImportDictionary(broken));
    EXPECT_EQ(Entry("teh"), "<ignore>\n\n\n");
    EXPECT_EQ(Ignored(0), (Flags{1}));
    EXPECT_EQ(doc.GetDecisions().GetUndoCount(), 1u);
    auto messages = app.Display().Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Unable to open project file " + missing + "\n");
    EXPECT_EQ(messages[1].rfind("Unable to read project file " + broken + ": ", 0), 0u);
}

// Opening such a path as a project is refused the same way; a device or a pipe would
// otherwise be read for ever.
TEST_F(Transfer, ImportFromSomethingNotARegularFileIsRefusedAndChangesNothing) {
    Add("a.txt", "1:teh\n");
    Run();
    doc.IgnoreAllWord("teh", 1);
    std::string folder = dir / "folder.mrk";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    EXPECT_FALSE(doc.ImportDictionary(folder));
    EXPECT_EQ(Entry("teh"), "<ignore>\n\n\n");
    EXPECT_EQ(doc.GetDecisions().GetUndoCount(), 1u);
    EXPECT_EQ(app.Display().Messages(),
              (std::vector<std::string>{"Unable to read project file " + folder +
                                        ": not a regular file\n"}));
}

TEST_F(Transfer, ExportSortsWithoutLetterCaseAndKeepsTheFirstSpelling) {
    for (const char* word : {"gamma", "Beta", "alpha", "BETA", "ALPHA", "zeta"})
        engine.Reject(word, {"x"});
    Add("a.txt", "1:gamma 2:Beta\n4:alpha 1:BETA 2:zeta\n");
    Add("b.txt", "1:ALPHA\n");
    Run();
    doc.IgnoreAllWord("zeta", 2);
    std::string path = dir / "words.txt";
    ASSERT_TRUE(doc.ExportWordList(path));
    EXPECT_EQ(ReadWholeFile(path), "alpha\nBeta\ngamma\n");
}

TEST_F(Transfer, ExportOfAnEmptyProjectWritesAnEmptyFile) {
    std::string path = dir.WriteFile("words.txt", "old\n");
    ASSERT_TRUE(doc.ExportWordList(path));
    EXPECT_EQ(ReadWholeFile(path), "");
}

TEST_F(Transfer, ExportThatCannotCreateTheFileSaysSo) {
    Add("a.txt", "1:teh\n");
    Run();
    std::string nowhere = dir / "no/such/folder/words.txt";
    EXPECT_FALSE(doc.ExportWordList(nowhere));
    std::string locked = dir.WriteFile("locked.txt", "keep\n");
    chmod(locked.c_str(), 0444);
    EXPECT_FALSE(doc.ExportWordList(locked));
    EXPECT_EQ(ReadWholeFile(locked), "keep\n");
    EXPECT_EQ(app.Display().Messages(),
              (Strings{"Cannot open file " + nowhere, "Cannot open file " + locked}));
}

TEST_F(DecisionTest, TheWordListFoldsTheCaseOfEveryLetter) {
    engine.RejectUnknownWords({"x"});
    Add("a.txt", "1:\xC3\x84pfel 1:Zebra 1:\xC3\xA4pfel 1:apfel\n");
    Run();
    std::string strList = dir / "words.txt";
    ASSERT_TRUE(doc.ExportWordList(strList));
    EXPECT_EQ(ReadWholeFile(strList), "apfel\nZebra\n\xC3\x84pfel\n");
}
