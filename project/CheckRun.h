// One check run on the checking thread: queues the files that need checking, starts
// the engine, reads each file line by line through its parser and stores the findings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "parsers/Word.h"
#include "project/MirtDocView.h"
#include "project/RefCounter.h"
#include "project/SpellPrefetch.h"
#include "project/Suggestions.h"

class CMirtAppContext;
class CMirtDoc;
class CMirtParser;
class CMirtSpellEngine;
class CSpellFile;

// The text of the line being checked, and the copy that its findings share.
struct SLineText {
    const std::string& text;
    std::shared_ptr<const std::string>& pShared;
};

class CCheckRun {
public:
    explicit CCheckRun(CMirtDoc& doc);
    void Run();

private:
    [[nodiscard]] bool BuildWorkList();
    [[nodiscard]] bool StartEngine();
    void CheckWorkList();
    std::vector<CSpellPrefetch::SFile> PrefetchFiles() const;
    std::vector<CSpellPrefetch::SHelperParts> MakeHelpers() const;
    void ReportEngineFailure();
    void CheckFile(CSpellFile* pFile);
    SFileResult::EOutcome ReadFile(CSpellFile* pFile, CMirtParser* pParser,
                                   const std::string& strPath);
    void CheckWord(CSpellFile* pFile, CMirtParser* pParser, const SWord& word, int32_t nLine,
                   SLineText line);
    void AddFinding(CSpellFile* pFile, const SWord& word, int32_t nKind, int32_t nLine,
                    SLineText line, std::vector<std::string>& suggestions);
    CSuggestions SharedSuggestions(const std::string& strWord,
                                   std::vector<std::string> suggestions);
    void FinishFile(CSpellFile* pFile, SFileResult& result);
    void CountFile(CSpellFile* pFile);
    bool NeedsCheck(const CSpellFile* pFile) const;
    bool IsRunning() const;

    CMirtDoc& m_doc;
    CMirtAppContext& m_app;
    int32_t m_nCheckOptions = 0;
    CMirtSpellEngine* m_pEngine = nullptr;
    std::vector<CRefPtr<CSpellFile>> m_workList;
    std::unique_ptr<SCheckStats> m_pStats;
    std::unordered_map<std::string, CSuggestions> m_suggestionPool;
};
