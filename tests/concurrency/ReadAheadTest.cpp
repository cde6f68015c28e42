// Check runs with read-ahead helpers: the findings are those of a run on one thread,
// whatever the helpers reached, also where a file's findings depend on the files
// before it. Meant to run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <latch>
#include <memory>
#include <string>
#include <vector>

#include "parsers/MirtParserCpp.h"
#include "project/CheckOptions.h"
#include "project/MirtDoc.h"
#include "tests/support/FakeSpellEngine.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
constexpr int kFiles = 24;

// Makes helper parsers as the application does: the same parser under the same id.
class CHelperApp : public CTestApp {
public:
    std::unique_ptr<CMirtParsers> MakeParsers() const override {
        auto pParsers = std::make_unique<CMirtParsers>();
        pParsers->Add(std::make_unique<CMirtParserCpp>());
        return pParsers;
    }
};

std::string Letters(int n) {
    std::string s(1, static_cast<char>('a' + n % 26));
    for (n /= 26; n > 0; n /= 26)
        s += static_cast<char>('a' + n % 26);
    return s;
}

// Each file declares an identifier that the next file's comment names: the run accepts
// it there only because it read the file before, which a helper reading from the back
// has not. Typos are shared between files and of their own.
std::string Source(int i) {
    const std::string own = Letters(i), before = Letters(i > 0 ? i - 1 : 0);
    return "// A coment on zorp" + before + " and wrdx" + own + ", recieve\n" + "int zorp" + own +
           " = mispeled" + own + "(\"strng" + own + " helo\");\n" +
           "/* a blok comment\n   with wierd" + own + " words */\n";
}

struct SRunResult {
    std::vector<std::string> findings; // one line per finding, files in order
    SCheckStats stats;
    int32_t nLastStatus = 0;
};

class ReadAhead : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < kFiles; ++i)
            m_paths.push_back(m_dir.WriteFile("f" + Letters(i) + ".cpp", Source(i)));
        m_engine.RejectUnknownWords({"fix", "mix"});
        m_engine.Reject("recieve", {"receive"});
    }

    SRunResult Check(unsigned nThreads) {
        CHelperApp app;
        app.m_parsers.Add(std::make_unique<CMirtParserCpp>());
        app.m_pEngine = &m_engine;
        app.m_nThreads = nThreads;
        CMirtDoc doc(app);
        doc.OnNewDocument();
        CRecordingView view;
        doc.AddView(&view);
        doc.m_options.m_nCheckOptions =
            MakeCheckOptions(CHECK_ALL_CATEGORIES, CHECK_ALL_CATEGORIES);
        for (const std::string& path : m_paths)
            doc.AddFile(path);
        if (m_pOnRunStart)
            m_pOnRunStart(doc);
        doc.SetRunning(true);
        doc.RunCheck();
        SRunResult result;
        EXPECT_TRUE(view.WaitForRunEnd(&result.stats));
        doc.RemoveView(&view);
        result.findings = Findings(doc);
        std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
        result.nLastStatus = doc.m_files.back()->m_nStatus;
        return result;
    }

    static std::vector<std::string> Findings(CMirtDoc& doc) {
        std::lock_guard<std::recursive_mutex> lock(doc.GetLock());
        std::vector<std::string> lines;
        for (CSpellFile* pFile : doc.m_files) {
            for (CSpellError* pError : pFile->m_errors) {
                std::string line = pFile->GetDisplayName() + ":" + std::to_string(pError->m_nLine) +
                                   ":" + std::to_string(pError->m_nPos) + " " + pError->m_strWord +
                                   " " + std::to_string(pError->m_nKind) +
                                   std::to_string(pError->m_nCategory) + " [" + pError->GetLine() +
                                   "] ->";
                for (const std::string& s : pError->m_suggestions)
                    line += " " + s;
                lines.push_back(line);
            }
        }
        return lines;
    }

    CTempDir m_dir;
    std::vector<std::string> m_paths;
    // Opens the latch at the first word a helper's speller is asked.
    void CountFirstHelperWord() {
        m_engine.SetPeerOnWord([this](const std::string&) {
            if (!m_bHelperCounted.exchange(true))
                m_helperAsked.count_down();
        });
    }

    CFakeSpellEngine m_engine;
    std::function<void(CMirtDoc&)> m_pOnRunStart;
    std::latch m_helperAsked{1};
    std::atomic<bool> m_bHelperCounted{false};
};
} // namespace

// The run's first engine call waits until a helper has asked its speller a word, so
// that the helpers are sure to have read files before the run reaches them.
TEST_F(ReadAhead, HelpersChangeNothingInTheFindings) {
    SRunResult alone = Check(1);
    EXPECT_EQ(alone.stats.nThreads, 1u);

    CountFirstHelperWord();
    std::atomic<bool> bWaited{false};
    m_engine.SetOnWord([&](const std::string&) {
        if (!bWaited.exchange(true))
            m_helperAsked.wait();
    });
    SRunResult helped = Check(3);

    ASSERT_FALSE(alone.findings.empty());
    EXPECT_EQ(helped.findings, alone.findings);
    EXPECT_EQ(helped.stats.nThreads, 3u);
    EXPECT_EQ(helped.stats.nWords, alone.stats.nWords);
    EXPECT_GE(helped.stats.nDistinctWords, alone.stats.nDistinctWords);
    // The run found most answers waiting for it.
    EXPECT_GT(helped.stats.nCacheHits, alone.stats.nCacheHits);
}

// Without a twin engine there are no helpers, whatever the thread setting.
TEST_F(ReadAhead, AnEngineWithoutPeersChecksAlone) {
    SRunResult result = Check(4);
    EXPECT_EQ(result.stats.nThreads, 1u);
    EXPECT_EQ(result.stats.nEngineCalls, result.stats.nDistinctWords);
}

// A run cancelled while helpers read ahead ends, joins them and keeps what it found.
TEST_F(ReadAhead, CancellingARunStopsItsHelpers) {
    CountFirstHelperWord();
    std::atomic<bool> bCancelled{false};
    m_pOnRunStart = [&](CMirtDoc& doc) {
        m_engine.SetOnWord([&](const std::string&) {
            if (!bCancelled.exchange(true)) {
                m_helperAsked.wait();
                doc.SetRunning(false); // the user pressed Run again
            }
        });
    };
    SRunResult result = Check(2);
    EXPECT_EQ(result.stats.nThreads, 2u);
    EXPECT_LT(result.stats.nFilesChecked, kFiles);
    EXPECT_EQ(result.nLastStatus, -1);
}
