// Whole sample files through their parser, line by line as a check run reads them,
// compared with the words worked out for them by hand.
#include <gtest/gtest.h>

#include <memory>

#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserHtml.h"
#include "parsers/MirtParserJava.h"
#include "parsers/MirtParserJavaScript.h"
#include "parsers/MirtParserPerl.h"
#include "parsers/MirtParserPhp.h"
#include "parsers/MirtParserRc.h"
#include "parsers/MirtParserVb.h"
#include "parsers/MirtParserVbScript.h"
#include "tests/parsers/WordTable.h"
#include "tests/support/Golden.h"
#include "tests/support/TempDir.h"

namespace {
std::string DataPath(const std::string& strName) {
    return std::string(MIRT_TEST_DATA_DIR) + "/parsers/" + strName;
}

// Every word of the file as "line: word category position before after calls".
std::string ScanFile(CMirtParser& parser, const std::string& strFolder,
                     const std::string& strName) {
    std::string text = ReadWholeFile(DataPath(strFolder + "/" + strName));
    EXPECT_FALSE(text.empty()) << strName;
    // As a check run starts: HTML and PHP set their separators here.
    parser.SetContext(nullptr, nullptr);
    parser.BeginFile(strName);
    std::string result;
    int nLine = 0;
    size_t nPos = 0;
    while (nPos < text.size()) {
        size_t nEnd = text.find('\n', nPos);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        std::string line = text.substr(nPos, nEnd - nPos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        nPos = nEnd + 1;
        ++nLine;
        CWordList words;
        parser.ParseLine(line, words);
        for (const SWord& w : words)
            result += std::to_string(nLine) + ": " +
                      DescribeWord(w.strWord, w.nCategory, w.nPos, w.chBefore, w.chAfter, w.calls);
    }
    parser.EndFile();
    return result;
}
// The sample is the file's name; its words are stored next to it as <name>.words.
void ExpectSampleWords(CMirtParser& parser, const std::string& strFolder,
                       const std::string& strName) {
    EXPECT_TEXT_EQ(ReadWholeFile(DataPath(strFolder + "/" + strName + ".words")),
                   ScanFile(parser, strFolder, strName));
}
} // namespace

TEST(SampleFiles, CppSourceGivesTheExpectedWords) {
    CMirtParserCpp parser;
    ExpectSampleWords(parser, "cpp", "Spooler.cpp");
}

TEST(SampleFiles, ResourceScriptGivesTheExpectedWords) {
    CMirtParserRc parser;
    ExpectSampleWords(parser, "rc", "Spooler.rc");
}

TEST(SampleFiles, VisualBasicFormGivesTheExpectedWords) {
    CMirtParserVb parser;
    ExpectSampleWords(parser, "vb", "frmPrint.frm");
}

TEST(SampleFiles, JavaSourceGivesTheExpectedWords) {
    CMirtParserJava parser;
    ExpectSampleWords(parser, "java", "PrintQueue.java");
}

TEST(SampleFiles, HtmlPageWithScriptBlocksGivesTheExpectedWords) {
    CMirtParserHtml parser;
    ExpectSampleWords(parser, "html", "status.html");
}

TEST(SampleFiles, VbScriptGivesTheExpectedWords) {
    CMirtParserVbScript parser;
    ExpectSampleWords(parser, "vbscript", "CleanSpool.vbs");
}

TEST(SampleFiles, JavaScriptGivesTheExpectedWords) {
    CMirtParserJavaScript parser;
    ExpectSampleWords(parser, "javascript", "queue.js");
}

TEST(SampleFiles, PerlScriptWithPodAndHereDocumentGivesTheExpectedWords) {
    CMirtParserPerl parser;
    ExpectSampleWords(parser, "perl", "rotate.pl");
}

TEST(SampleFiles, PhpPageGivesTheExpectedWords) {
    CMirtParserPhp parser;
    ExpectSampleWords(parser, "php", "queue.php");
}

TEST(SampleFiles, ASecondFileStartsCleanAfterAnOpenCommentAndCall) {
    CMirtParserCpp parser;
    parser.BeginFile("first.c");
    CWordList words;
    parser.ParseLine("call(x, /* open comment", words);
    parser.EndFile();
    ExpectSampleWords(parser, "cpp", "Spooler.cpp");
}
