// Read-ahead helpers of a check run.
#include "project/SpellPrefetch.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "engines/CachedSpellEngine.h"
#include "engines/MirtSpellEngine.h"
#include "engines/SpellAnswerCache.h"
#include "parsers/MirtParsers.h"
#include "project/LineReader.h"
#include "project/WordCheck.h"

CSpellPrefetch::CSpellPrefetch(CSpellAnswerCache& cache, std::vector<SFile> files,
                               int32_t nCheckOptions)
    : m_cache(cache), m_files(std::move(files)), m_nCheckOptions(nCheckOptions), m_nNext(1) {}

CSpellPrefetch::~CSpellPrefetch() {
    Stop();
}

void CSpellPrefetch::Start(std::vector<SHelperParts> helpers) {
    m_parts = std::move(helpers);
    for (SHelperParts& parts : m_parts) {
        // A process out of threads checks with those it has.
        try {
            m_threads.emplace_back([this, &parts] { Work(parts); });
        } catch (const std::system_error&) {
            break;
        }
    }
    m_nHelpers = m_threads.size();
}

void CSpellPrefetch::Stop() {
    m_bStop.store(true);
    for (std::thread& thread : m_threads)
        thread.join();
    m_threads.clear();
    m_parts.clear();
}

// Takes the next file not taken yet, some files ahead of the run: a helper reading
// the file the run reads would ask the engine the same words at the same time. Near
// the end of the list it takes the run's next file.
bool CSpellPrefetch::Claim(size_t& nIndex) {
    size_t nNext = m_nNext.load();
    do {
        const size_t nReached = m_nReached.load();
        nIndex = std::max(nNext, nReached + kLead);
        if (nIndex >= m_files.size())
            nIndex = std::max(nNext, nReached + 1);
        if (m_bStop.load() || nIndex >= m_files.size())
            return false;
    } while (!m_nNext.compare_exchange_weak(nNext, nIndex + 1));
    return true;
}

void CSpellPrefetch::Work(SHelperParts& parts) {
    if (!parts.pEngine->Start())
        return;
    CCachedSpellEngine cached(*parts.pEngine, m_cache);
    parts.pParsers->SetContextAll(nullptr, &cached);
    size_t nIndex = 0;
    CSeenWords seen;
    while (Claim(nIndex)) {
        ReadAhead(*parts.pParsers, m_files[nIndex], seen);
        if (cached.HasFailed())
            break;
    }
    m_nEngineCalls += cached.GetEngineCalls();
    parts.pParsers->SetContextAll(nullptr, nullptr);
    parts.pEngine->Stop();
    // Freed here, while the run goes on: a helper's parsers hold every identifier read.
    parts.pParsers.reset();
    parts.pEngine.reset();
}

// A hash stands for the word: two words that share one only cost the run an engine
// call that the helper did not make for it.
uint64_t CSpellPrefetch::SeenKey(const SWord& word, int32_t nSyntax) {
    uint64_t nKey = std::hash<std::string>{}(word.strWord);
    nKey ^= (static_cast<uint64_t>(static_cast<uint32_t>(nSyntax)) << 8 |
             static_cast<uint32_t>(word.nCategory)) *
            0x9E3779B97F4A7C15ull;
    return nKey;
}

// The words go through the same checks as in the run; what they find is dropped, what
// the engine answered stays in the cache. A word checked once in its category and
// syntax has left its answers there already, so the helper goes on to the next.
void CSpellPrefetch::ReadAhead(CMirtParsers& parsers, const SFile& file, CSeenWords& seen) {
    CMirtParser* pParser = parsers.FindById(file.nSyntax);
    CLineReader reader;
    if (pParser == nullptr || !reader.Open(file.strPath))
        return;
    pParser->BeginFile(file.strDisplayName);
    std::string strLine, strLineEnd;
    std::vector<std::string> suggestions;
    CWordList words;
    while (!m_bStop.load() && reader.ReadLine(strLine, strLineEnd)) {
        if (!IsCheckedLine(strLine))
            continue;
        words.clear();
        pParser->ParseLine(strLine, words);
        for (const SWord& word : words) {
            if (!seen.insert(SeenKey(word, file.nSyntax)).second)
                continue;
            suggestions.clear();
            CheckParsedWord(*pParser, word, m_nCheckOptions, suggestions);
        }
    }
    pParser->EndFile();
}
