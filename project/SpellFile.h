// One source file of the project with its check state and its findings.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "project/RefCounter.h"
#include "project/SpellError.h"

class CArchiveReader;
class CArchiveWriter;
class CMirtParsers;

// Receives every finding that an "everywhere" decision changes, before it changes it,
// so that the decision can be taken back.
class CSpellErrorRecorder {
public:
    virtual ~CSpellErrorRecorder() = default;
    virtual void AddRecord(CSpellError* pError) = 0;
};

constexpr int32_t STATUS_CHECKING = -2;
constexpr int32_t STATUS_NOT_CHECKED = -1;
constexpr int32_t STATUS_CHECKED = 0;

class CSpellFile : public CRefCounter<CSpellFile> {
public:
    // Reads the read-only mark from the disk and the syntax from the registry (which
    // may be null: then no syntax is associated).
    CSpellFile(const std::string& strPath, int32_t nStatus, const CMirtParsers* pParsers);
    ~CSpellFile() override;

    void ClearErrors();
    bool HasErrors() const;
    int FirstError() const;
    int NextError(int nIndex) const;
    void CollectErrors(CSpellErrors& errors) const;
    void CollectErrors(CSpellErrors& errors, int32_t nLine) const;
    int CountErrors(int32_t nKind) const;
    int CountErrors(int32_t nKind, int& nLanguage, int& nComment, int& nCode) const;
    int CountCountingErrors() const;
    void ClearIgnored();
    bool HasPendingChanges() const;

    void IgnoreWord(const std::string& strWord, int32_t nCategory, CSpellErrorRecorder* pRecorder);
    void UnignoreWord(const std::string& strWord, int32_t nCategory);
    void ReplaceWord(const std::string& strWord, int32_t nCategory,
                     const std::string& strReplacement, CSpellErrorRecorder* pRecorder);
    void UndoReplaceWord(const std::string& strWord, int32_t nCategory,
                         const std::string& strReplacement);
    void IgnoreCalls(const std::string& strName, CSpellErrorRecorder* pRecorder);
    void UnignoreCalls(const std::string& strName);

    // Takes the syntax the registry gives the path now; when it differs, the file
    // forgets its findings and its check. Returns whether it changed.
    bool ReassociateSyntax(const CMirtParsers* pParsers);
    std::string GetDisplayName() const;
    // Writes the chosen replacements into the source, each line keeping its own line
    // end, through a temporary file renamed over it; the applied findings are taken
    // off only once the new text is in place. False, with the source and the findings
    // untouched, when a line differs from the one checked or the write fails. pLock
    // guards the findings while they are read and changed; it is never held while the
    // source is read or written.
    [[nodiscard]] bool ApplyChanges(bool bMakeBackup, std::recursive_mutex* pLock = nullptr);

    void Store(CArchiveWriter& ar) const;
    // False when the record is refused: the file is gone from the disk (the stream is
    // still in step), or the stream failed (see the reader's error).
    [[nodiscard]] bool Load(CArchiveReader& ar, const CMirtParsers* pParsers);

    std::string m_strPath;
    int64_t m_tModified = 0;
    int64_t m_tChecked = 0;
    int32_t m_nCheckOptions = 0;
    int32_t m_bReadOnly = 0;
    int32_t m_nSyntax = -1;
    int32_t m_nStatus;
    int32_t m_bExpanded = 0;
    int32_t m_bVisible = 1;
    CSpellErrors m_errors;

    // Creation order of the records, for sorting files in the order they were added.
    uint64_t m_nSequence;
    // Set when the file leaves the project, so that a check reading it stops.
    std::atomic<bool> m_bRemoved{false};

private:
    [[nodiscard]] bool LoadSyntax(CArchiveReader& ar, int32_t nVersion,
                                  const CMirtParsers* pParsers);
    [[nodiscard]] bool LoadErrors(CArchiveReader& ar);
    bool MatchesWord(const CSpellError* pError, const std::string& strWord,
                     int32_t nCategory) const;
};

using CSpellFiles = std::vector<CSpellFile*>;
