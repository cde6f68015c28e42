// Read-ahead helpers of a check run.
#include "project/SpellPrefetch.h"

#include <utility>

#include "engines/CachedSpellEngine.h"
#include "engines/MirtSpellEngine.h"
#include "engines/SpellAnswerCache.h"
#include "parsers/MirtParsers.h"
#include "project/LineReader.h"
#include "project/WordCheck.h"

CSpellPrefetch::CSpellPrefetch(CSpellAnswerCache& cache, std::vector<SFile> files,
                               int32_t nCheckOptions)
    : m_cache(cache), m_files(std::move(files)), m_nCheckOptions(nCheckOptions),
      m_nBack(m_files.size()) {}

CSpellPrefetch::~CSpellPrefetch() {
    Stop();
}

void CSpellPrefetch::Start(std::vector<SHelperParts> helpers) {
    m_parts = std::move(helpers);
    m_nHelpers = m_parts.size();
    for (SHelperParts& parts : m_parts)
        m_threads.emplace_back([this, &parts] { Work(parts); });
}

void CSpellPrefetch::Stop() {
    m_bStop.store(true);
    for (std::thread& thread : m_threads)
        thread.join();
    m_threads.clear();
    m_parts.clear();
}

// Takes the last file not yet taken, when the run has not reached it.
bool CSpellPrefetch::Claim(size_t& nIndex) {
    size_t nBack = m_nBack.load();
    do {
        if (m_bStop.load() || nBack == 0 || nBack - 1 <= m_nReached.load())
            return false;
    } while (!m_nBack.compare_exchange_weak(nBack, nBack - 1));
    nIndex = nBack - 1;
    return true;
}

void CSpellPrefetch::Work(SHelperParts& parts) {
    if (!parts.pEngine->Start())
        return;
    CCachedSpellEngine cached(*parts.pEngine, m_cache);
    parts.pParsers->SetContextAll(nullptr, &cached);
    size_t nIndex = 0;
    while (Claim(nIndex)) {
        ReadAhead(*parts.pParsers, m_files[nIndex]);
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

// The words go through the same checks as in the run; what they find is dropped, what
// the engine answered stays in the cache.
void CSpellPrefetch::ReadAhead(CMirtParsers& parsers, const SFile& file) {
    CMirtParser* pParser = parsers.FindById(file.nSyntax);
    CLineReader reader;
    if (pParser == nullptr || !reader.Open(file.strPath))
        return;
    pParser->BeginFile(file.strDisplayName);
    std::string strLine, strLineEnd;
    std::vector<std::string> suggestions;
    while (!m_bStop.load() && reader.ReadLine(strLine, strLineEnd)) {
        if (!IsCheckedLine(strLine))
            continue;
        CWordList words;
        pParser->ParseLine(strLine, words);
        for (const SWord& word : words) {
            suggestions.clear();
            CheckParsedWord(*pParser, word, m_nCheckOptions, suggestions);
        }
    }
    pParser->EndFile();
}
