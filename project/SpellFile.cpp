// File record: findings bookkeeping and the stored form.
#include "project/SpellFile.h"

#include <algorithm>
#include <atomic>

#include "parsers/MirtParsers.h"
#include "parsers/WordCategory.h"
#include "platform/Archive.h"
#include "platform/FileStatus.h"

namespace {
constexpr int32_t kFileRecordVersion = 2;
constexpr int32_t kSyntaxCpp = 0;
constexpr int32_t kSyntaxResource = 6;

std::atomic<uint64_t> g_nNextSequence{0};

int32_t SyntaxOf(const CMirtParsers* pParsers, const std::string& strPath) {
    return pParsers ? pParsers->SyntaxOfPath(strPath) : -1;
}
} // namespace

CSpellFile::CSpellFile(const std::string& strPath, int32_t nStatus, const CMirtParsers* pParsers)
    : m_strPath(strPath), m_nStatus(nStatus), m_nSequence(g_nNextSequence++) {
    SFileStatus status;
    m_bReadOnly = GetFileStatus(strPath, status) ? status.bReadOnly : 1;
    m_nSyntax = SyntaxOf(pParsers, strPath);
}

CSpellFile::~CSpellFile() {
    ClearErrors();
}

void CSpellFile::ClearErrors() {
    CSpellErrors errors;
    errors.swap(m_errors);
    for (CSpellError* pError : errors)
        pError->Release();
}

bool CSpellFile::HasErrors() const {
    return FirstError() >= 0;
}

int CSpellFile::FirstError() const {
    return NextError(-1);
}

int CSpellFile::NextError(int nIndex) const {
    for (size_t i = nIndex < 0 ? 0 : static_cast<size_t>(nIndex) + 1; i < m_errors.size(); ++i)
        if (m_errors[i]->IsCounting())
            return static_cast<int>(i);
    return -1;
}

void CSpellFile::CollectErrors(CSpellErrors& errors) const {
    for (CSpellError* pError : m_errors)
        if (pError->IsCounting())
            errors.push_back(pError);
}

void CSpellFile::CollectErrors(CSpellErrors& errors, int32_t nLine) const {
    for (CSpellError* pError : m_errors)
        if (pError->IsCounting() && pError->m_nLine == nLine)
            errors.push_back(pError);
}

int CSpellFile::CountErrors(int32_t nKind) const {
    return static_cast<int>(std::count_if(m_errors.begin(), m_errors.end(), [&](auto* p) {
        return p->IsCounting() && p->m_nKind == nKind;
    }));
}

int CSpellFile::CountErrors(int32_t nKind, int& nLanguage, int& nComment, int& nCode) const {
    int nLang = 0, nComm = 0, nCod = 0;
    for (const CSpellError* p : m_errors) {
        if (!p->IsCounting() || p->m_nKind != nKind)
            continue;
        nLang += p->m_nCategory == CATEGORY_LANGUAGE;
        nComm += p->m_nCategory == CATEGORY_COMMENT;
        nCod += p->m_nCategory == CATEGORY_CODE;
    }
    nLanguage += nLang;
    nComment += nComm;
    nCode += nCod;
    return nLang + nComm + nCod;
}

int CSpellFile::CountCountingErrors() const {
    return static_cast<int>(
        std::count_if(m_errors.begin(), m_errors.end(), [](auto* p) { return p->IsCounting(); }));
}

void CSpellFile::ClearIgnored() {
    for (CSpellError* p : m_errors)
        p->m_bIgnored = 0;
}

bool CSpellFile::HasPendingChanges() const {
    for (auto it = m_errors.rbegin(); it != m_errors.rend(); ++it)
        if ((*it)->IsPendingChange())
            return true;
    return false;
}

bool CSpellFile::MatchesWord(const CSpellError* pError, const std::string& strWord,
                             int32_t nCategory) const {
    return pError->m_strWord == strWord && pError->m_nCategory == nCategory;
}

void CSpellFile::IgnoreWord(const std::string& strWord, int32_t nCategory,
                            CSpellErrorRecorder* pRecorder) {
    for (auto it = m_errors.rbegin(); it != m_errors.rend(); ++it) {
        if (!MatchesWord(*it, strWord, nCategory))
            continue;
        if (pRecorder)
            pRecorder->AddRecord(*it);
        (*it)->m_bIgnored = 1;
    }
}

void CSpellFile::UnignoreWord(const std::string& strWord, int32_t nCategory) {
    for (CSpellError* p : m_errors)
        if (MatchesWord(p, strWord, nCategory))
            p->m_bIgnored = 0;
}

void CSpellFile::ReplaceWord(const std::string& strWord, int32_t nCategory,
                             const std::string& strReplacement, CSpellErrorRecorder* pRecorder) {
    for (auto it = m_errors.rbegin(); it != m_errors.rend(); ++it) {
        CSpellError* p = *it;
        if (!MatchesWord(p, strWord, nCategory))
            continue;
        // Recorded before anything changes, so that undo brings back a finding the user
        // had ignored by hand.
        if (pRecorder)
            pRecorder->AddRecord(p);
        p->m_bIgnored = 0;
        auto found = std::find(p->m_suggestions.begin(), p->m_suggestions.end(), strReplacement);
        if (found != p->m_suggestions.end()) {
            p->m_nChosen = static_cast<int32_t>(found - p->m_suggestions.begin());
        } else {
            p->m_suggestions.Insert(0, strReplacement);
            p->m_nChosen = 0;
        }
    }
}

void CSpellFile::UndoReplaceWord(const std::string& strWord, int32_t nCategory,
                                 const std::string& strReplacement) {
    for (CSpellError* p : m_errors) {
        if (!MatchesWord(p, strWord, nCategory))
            continue;
        p->m_bIgnored = 0;
        if (p->m_nChosen >= 0 && static_cast<size_t>(p->m_nChosen) < p->m_suggestions.size() &&
            p->m_suggestions[p->m_nChosen] == strReplacement) {
            p->m_suggestions.Erase(static_cast<size_t>(p->m_nChosen));
            p->m_nChosen = -1;
        }
    }
}

void CSpellFile::IgnoreCalls(const std::string& strName, CSpellErrorRecorder* pRecorder) {
    for (CSpellError* p : m_errors) {
        if (!p->HasCall(strName))
            continue;
        if (pRecorder)
            pRecorder->AddRecord(p);
        p->m_bIgnored = 1;
    }
}

void CSpellFile::UnignoreCalls(const std::string& strName) {
    for (CSpellError* p : m_errors)
        if (p->HasCall(strName))
            p->m_bIgnored = 0;
}

bool CSpellFile::ReassociateSyntax(const CMirtParsers* pParsers) {
    int32_t nSyntax = SyntaxOf(pParsers, m_strPath);
    if (nSyntax == m_nSyntax)
        return false;
    m_nSyntax = nSyntax;
    ClearErrors();
    m_tChecked = 0;
    m_bExpanded = 0;
    m_nStatus = STATUS_NOT_CHECKED;
    m_nCheckOptions = 0;
    return true;
}

std::string CSpellFile::GetDisplayName() const {
    size_t nSlash = m_strPath.rfind('/');
    return nSlash == std::string::npos ? m_strPath : m_strPath.substr(nSlash + 1);
}

void CSpellFile::Store(CArchiveWriter& ar) const {
    ar.WriteInt32(kFileRecordVersion);
    ar.WriteString(m_strPath);
    ar.WriteInt64(m_tChecked);
    ar.WriteInt32(m_nCheckOptions);
    ar.WriteInt32(m_nSyntax);
    ar.WriteInt32(m_nStatus);
    ar.WriteInt32(static_cast<int32_t>(m_errors.size()));
    for (const CSpellError* p : m_errors)
        p->Store(ar);
}

bool CSpellFile::LoadSyntax(CArchiveReader& ar, int32_t nVersion, const CMirtParsers* pParsers) {
    if (nVersion < 1) {
        m_nSyntax = SyntaxOf(pParsers, m_strPath);
        return true;
    }
    if (!ar.ReadInt32(m_nCheckOptions) || !ar.ReadInt32(m_nSyntax))
        return false;
    if (pParsers == nullptr || pParsers->FindById(m_nSyntax) == nullptr)
        m_nSyntax = SyntaxOf(pParsers, m_strPath);
    else if (nVersion < 2 && m_nSyntax == kSyntaxCpp &&
             SyntaxOf(pParsers, m_strPath) == kSyntaxResource)
        m_nSyntax = kSyntaxResource;
    return true;
}

bool CSpellFile::LoadErrors(CArchiveReader& ar) {
    int32_t nCount = 0;
    if (!ar.ReadInt32(nCount))
        return false;
    if (nCount < 0) {
        ar.Fail("negative number of findings");
        return false;
    }
    for (int32_t i = 0; i < nCount; ++i) {
        auto* pError = new CSpellError(this);
        pError->AddRef();
        m_errors.push_back(pError);
        if (!pError->Load(ar))
            return false;
        if (i > 0 && m_errors[m_errors.size() - 2]->m_nLine == pError->m_nLine)
            pError->ShareLineWith(*m_errors[m_errors.size() - 2]);
    }
    return true;
}

bool CSpellFile::Load(CArchiveReader& ar, const CMirtParsers* pParsers) {
    int32_t nVersion = 0;
    if (!ar.ReadInt32(nVersion))
        return false;
    // A newer record cannot be read in step with its fields: the whole load fails.
    if (nVersion > kFileRecordVersion) {
        ar.Fail("unsupported file record version " + std::to_string(nVersion));
        return false;
    }
    if (!ar.ReadString(m_strPath) || !ar.ReadInt64(m_tChecked) ||
        !LoadSyntax(ar, nVersion, pParsers) || !ar.ReadInt32(m_nStatus))
        return false;
    if (m_nStatus >= 0)
        m_nStatus = STATUS_CHECKED;
    if (!LoadErrors(ar))
        return false;
    SFileStatus status;
    if (!GetFileStatus(m_strPath, status))
        return false;
    m_bReadOnly = status.bReadOnly;
    m_tModified = status.tModified;
    if (m_tModified > m_tChecked) {
        ClearErrors();
        m_nStatus = STATUS_NOT_CHECKED;
    }
    return true;
}
