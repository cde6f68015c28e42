// Check run: work list, engine, line-by-line scan and findings.
#include "project/CheckRun.h"

#include <algorithm>
#include <thread>

#include "engines/CachedSpellEngine.h"
#include "engines/MirtSpellEngine.h"
#include "engines/SpellAnswerCache.h"
#include "parsers/MirtParser.h"
#include "parsers/WordCategory.h"
#include "platform/FileStatus.h"
#include "project/LineReader.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "project/SpellPrefetch.h"
#include "project/WordCheck.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

} // namespace

void CMirtDoc::RunCheck() {
    CCheckRun(*this).Run();
}

CCheckRun::CCheckRun(CMirtDoc& doc) : m_doc(doc), m_app(doc.GetApp()) {}

bool CCheckRun::IsRunning() const {
    return m_doc.IsRunning();
}

// A file left not checked (a cancelled queue, an unreadable file) is also taken up:
// with options 0 its cleared options would otherwise make it pass for checked.
bool CCheckRun::NeedsCheck(const CSpellFile* pFile) const {
    return pFile->m_tChecked < pFile->m_tModified || pFile->m_nCheckOptions != m_nCheckOptions ||
           pFile->m_nStatus == STATUS_NOT_CHECKED;
}

void CCheckRun::Run() {
    if (!BuildWorkList())
        return;
    size_t nFiles = m_workList.size();
    m_doc.ReportToViews([nFiles](CMirtDocView& v) { v.OnRunBegun(nFiles); });
    m_doc.NotifyViews(NOTIFY_REBUILD, 1);
    if (!StartEngine())
        return;
    m_doc.SetRunStarting(false);
    m_pStats = std::make_unique<SCheckStats>();
    CheckWorkList();
    m_pEngine->Stop();
    m_doc.FinishRun();
    m_doc.NotifyViews(NOTIFY_REBUILD, 0);
    m_doc.NotifyViews(NOTIFY_RUN_ENDED, 0, nullptr, std::move(m_pStats));
    m_workList.clear();
}

// The parsers ask through the run's cache, which helper threads fill from the files
// ahead of the run; the parsers get the engine itself back at the end, as the cache goes
// with the run.
void CCheckRun::CheckWorkList() {
    CSpellAnswerCache cache;
    CCachedSpellEngine cached(*m_pEngine, cache);
    m_app.m_parsers.SetContextAll(&m_doc, &cached);
    CSpellPrefetch prefetch(cache, PrefetchFiles(), m_nCheckOptions);
    prefetch.Start(MakeHelpers());
    for (size_t i = 0; i < m_workList.size() && IsRunning(); ++i) {
        prefetch.Reached(i);
        CheckFile(m_workList[i].get());
        CountFile(m_workList[i].get());
        if (m_pEngine->HasFailed()) {
            ReportEngineFailure();
            break;
        }
    }
    prefetch.Stop();
    m_app.m_parsers.SetContextAll(&m_doc, m_pEngine);
    m_pStats->nEngineCalls = cached.GetEngineCalls() + prefetch.GetEngineCalls();
    m_pStats->nDistinctWords = cache.GetSize();
    m_pStats->nCacheHits = cached.GetCacheHits();
    m_pStats->nThreads = static_cast<uint32_t>(1 + prefetch.GetHelperCount());
}

std::vector<CSpellPrefetch::SFile> CCheckRun::PrefetchFiles() const {
    CLock lock(m_doc.GetLock());
    std::vector<CSpellPrefetch::SFile> files;
    for (const CRefPtr<CSpellFile>& pFile : m_workList)
        files.push_back({pFile->m_strPath, pFile->GetDisplayName(), pFile->m_nSyntax});
    return files;
}

// One helper per spare core, when there is a later file for it to read and the
// application and the engine can give it parsers and a speller of its own.
std::vector<CSpellPrefetch::SHelperParts> CCheckRun::MakeHelpers() const {
    unsigned nThreads = m_app.m_nThreads;
    if (nThreads == 0)
        nThreads = std::max(1u, std::thread::hardware_concurrency());
    const size_t nHelpers = std::min<size_t>(nThreads - 1, m_workList.size() - 1);
    std::vector<CSpellPrefetch::SHelperParts> helpers;
    while (helpers.size() < nHelpers) {
        CSpellPrefetch::SHelperParts parts{m_app.MakeParsers(), m_pEngine->MakePeer()};
        if (!parts.pParsers || !parts.pEngine)
            break;
        helpers.push_back(std::move(parts));
    }
    return helpers;
}

// Queues every file whose check is out of date. False when there is nothing to do.
bool CCheckRun::BuildWorkList() {
    CLock lock(m_doc.GetLock());
    if (m_doc.m_files.empty()) {
        m_doc.FinishRun();
        m_doc.ReportToViews([](CMirtDocView& v) { v.OnRunSkipped(ERunSkipped::NothingToCheck); });
        m_doc.NotifyViews(NOTIFY_RUN_ENDED, 0);
        return false;
    }
    m_doc.SetRunStarting(true);
    m_nCheckOptions = m_doc.m_options.m_nCheckOptions;
    for (CSpellFile* pFile : m_doc.m_files) {
        if (!NeedsCheck(pFile))
            continue;
        pFile->ClearErrors();
        pFile->m_nStatus = STATUS_NOT_CHECKED;
        pFile->m_nCheckOptions = 0;
        pFile->m_bExpanded = 0;
        m_workList.emplace_back(pFile);
    }
    if (!m_workList.empty())
        return true;
    m_doc.FinishRun();
    // Reported before the end is posted: console mode saves and ends on that notice.
    m_doc.ReportToViews([](CMirtDocView& v) { v.OnRunSkipped(ERunSkipped::AllChecked); });
    m_doc.NotifyViews(NOTIFY_RUN_ENDED, 0);
    return false;
}

bool CCheckRun::StartEngine() {
    m_pEngine = m_app.GetCurrentEngine();
    if (m_pEngine != nullptr && m_pEngine->Start())
        return true;
    ReportEngineFailure();
    m_doc.FinishRun();
    m_doc.NotifyViews(NOTIFY_RUN_ENDED, 0);
    m_workList.clear();
    return false;
}

void CCheckRun::ReportEngineFailure() {
    std::string name = m_pEngine ? m_pEngine->GetName() : "the spelling engine";
    m_app.SetErrored();
    m_doc.ShowRunMessage("Couldn't start " + name + ". Please make sure that " + name +
                             " is installed properly",
                         MB_OK | MB_ICONSTOP);
}

void CCheckRun::CountFile(CSpellFile* pFile) {
    CLock lock(m_doc.GetLock());
    ++m_pStats->nFilesChecked;
    if (pFile->HasErrors())
        ++m_pStats->nFilesWithErrors;
    pFile->CountErrors(KIND_SPELLING, m_pStats->nSpellingLanguage, m_pStats->nSpellingComment,
                       m_pStats->nSpellingCode);
    pFile->CountErrors(KIND_PROFANITY, m_pStats->nProfanityLanguage, m_pStats->nProfanityComment,
                       m_pStats->nProfanityCode);
}

void CCheckRun::CheckFile(CSpellFile* pFile) {
    std::string strPath;
    int32_t nSyntax;
    bool bNeedsCheck;
    {
        CLock lock(m_doc.GetLock());
        strPath = pFile->m_strPath;
        nSyntax = pFile->m_nSyntax;
        bNeedsCheck = NeedsCheck(pFile);
        if (bNeedsCheck)
            pFile->m_nStatus = STATUS_CHECKING;
    }
    m_doc.ReportToViews([&](CMirtDocView& v) { v.OnFileBegun(strPath); });
    SFileResult result;
    if (bNeedsCheck) {
        m_doc.NotifyViews(NOTIFY_FILE, 0, pFile);
        CMirtParser* pParser = m_app.m_parsers.FindById(nSyntax);
        result.eOutcome = ReadFile(pFile, pParser, strPath);
        if (result.eOutcome == SFileResult::Checked)
            FinishFile(pFile, result);
    }
    m_doc.ReportToViews([&](CMirtDocView& v) { v.OnFileResult(result); });
}

// Reads and checks the file: Checked, or why it was not.
SFileResult::EOutcome CCheckRun::ReadFile(CSpellFile* pFile, CMirtParser* pParser,
                                          const std::string& strPath) {
    CLineReader reader;
    bool bOpened = reader.Open(strPath);
    if (!bOpened)
        m_doc.ShowRunMessage("Unable to open file " + strPath, MB_OK | MB_ICONEXCLAMATION);
    if (!bOpened || pParser == nullptr) {
        CLock lock(m_doc.GetLock());
        pFile->m_nStatus = STATUS_NOT_CHECKED;
        return bOpened ? SFileResult::NoParser : SFileResult::NotChecked;
    }
    pParser->BeginFile(pFile->GetDisplayName());
    std::string strLine, strLineEnd;
    CWordList words;
    int32_t nLine = 0;
    while (IsRunning() && !pFile->m_bRemoved && reader.ReadLine(strLine, strLineEnd)) {
        ++nLine;
        if (!IsCheckedLine(strLine))
            continue;
        words.clear(); // its room is kept from line to line
        pParser->ParseLine(strLine, words);
        m_pStats->nWords += words.size();
        std::shared_ptr<const std::string> pShared; // made at the line's first finding
        for (const SWord& word : words) {
            if (!IsRunning())
                break;
            CheckWord(pFile, pParser, word, nLine, SLineText{strLine, pShared});
            // An engine that lost its server ends the run: this file is not checked.
            if (m_pEngine->HasFailed())
                m_doc.SetRunning(false);
        }
    }
    pParser->EndFile();
    if (reader.HasError()) {
        // Half a file is not a checked file.
        m_doc.ShowRunMessage("Unable to read file " + strPath, MB_OK | MB_ICONEXCLAMATION);
        CLock lock(m_doc.GetLock());
        pFile->ClearErrors();
        pFile->m_nStatus = STATUS_NOT_CHECKED;
        return SFileResult::NotChecked;
    }
    return SFileResult::Checked;
}

void CCheckRun::CheckWord(CSpellFile* pFile, CMirtParser* pParser, const SWord& word, int32_t nLine,
                          SLineText line) {
    std::vector<std::string> suggestions;
    const int32_t nKind = CheckParsedWord(*pParser, word, m_nCheckOptions, suggestions);
    if (!suggestions.empty())
        AddFinding(pFile, word, nKind, nLine, line, suggestions);
}

// Creates the finding and applies the project's rules to it at once.
void CCheckRun::AddFinding(CSpellFile* pFile, const SWord& word, int32_t nKind, int32_t nLine,
                           SLineText line, std::vector<std::string>& suggestions) {
    if (!line.pShared)
        line.pShared = std::make_shared<const std::string>(line.text);
    auto* pError =
        new CSpellError(pFile, nKind, nLine, word.nPos, word.strWord, word.nCategory, line.pShared);
    pError->m_calls = word.calls;
    pError->AddRef();
    pError->m_suggestions = SharedSuggestions(word.strWord, std::move(suggestions));
    CLock lock(m_doc.GetLock());
    std::string strRule;
    if (m_doc.m_dictionary.LookupReplacement(word.strWord, word.nCategory, strRule)) {
        if (strRule == IGNORE_RULE) {
            pError->m_bIgnored = 1;
        } else {
            auto& sugg = pError->m_suggestions;
            auto it = std::find(sugg.rbegin(), sugg.rend(), strRule);
            if (it != sugg.rend()) {
                pError->m_nChosen = static_cast<int32_t>(sugg.rend() - it - 1);
            } else {
                sugg.Insert(0, strRule);
                pError->m_nChosen = 0;
            }
        }
    }
    for (const std::string& call : word.calls) {
        if (m_doc.m_ignoreCalls.Has(call)) {
            pError->m_bIgnored = 1;
            break;
        }
    }
    pFile->m_errors.push_back(pError);
}

// Findings of one word mostly carry the same list: they share it.
CSuggestions CCheckRun::SharedSuggestions(const std::string& strWord,
                                          std::vector<std::string> suggestions) {
    auto it = m_suggestionPool.find(strWord);
    if (it != m_suggestionPool.end() && it->second == suggestions)
        return it->second;
    CSuggestions shared(std::move(suggestions));
    m_suggestionPool.insert_or_assign(strWord, shared);
    return shared;
}

void CCheckRun::FinishFile(CSpellFile* pFile, SFileResult& result) {
    {
        CLock lock(m_doc.GetLock());
        pFile->m_nStatus = STATUS_CHECKED;
        if (IsRunning()) {
            pFile->m_tChecked = CurrentTime();
            pFile->m_nCheckOptions = m_nCheckOptions;
            m_doc.SetModifiedFlag();
        }
        result.nSpelling = pFile->CountErrors(KIND_SPELLING);
        result.nProfanity = pFile->CountErrors(KIND_PROFANITY);
    }
    m_doc.NotifyViews(NOTIFY_FILE, 0, pFile);
}
