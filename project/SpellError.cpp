// Finding record and its stored form.
#include "project/SpellError.h"

#include "platform/TextFold.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/Archive.h"

namespace {
constexpr int32_t kErrorRecordVersion = 3;

} // namespace

CSpellError::CSpellError(CSpellFile* pFile)
    : m_pFile(pFile), m_nLine(-1), m_nPos(-1), m_nKind(KIND_SPELLING), m_nCategory(1),
      m_pLine(std::make_shared<const std::string>()) {}

CSpellError::CSpellError(CSpellFile* pFile, int32_t nKind, int32_t nLine, int32_t nPos,
                         const std::string& strWord, int32_t nCategory, const std::string& strLine)
    : CSpellError(pFile, nKind, nLine, nPos, strWord, nCategory,
                  std::make_shared<const std::string>(strLine)) {}

CSpellError::CSpellError(CSpellFile* pFile, int32_t nKind, int32_t nLine, int32_t nPos,
                         const std::string& strWord, int32_t nCategory,
                         std::shared_ptr<const std::string> pLine)
    : m_pFile(pFile), m_nLine(nLine), m_nPos(nPos), m_strWord(strWord), m_nKind(nKind),
      m_nCategory(nCategory), m_pLine(std::move(pLine)) {}

void CSpellError::SetLine(std::string strLine) {
    m_pLine = std::make_shared<const std::string>(std::move(strLine));
}

void CSpellError::ShareLineWith(const CSpellError& other) {
    if (m_pLine != other.m_pLine && *m_pLine == *other.m_pLine)
        m_pLine = other.m_pLine;
}

void CSpellError::Store(CArchiveWriter& ar) const {
    ar.WriteInt32(kErrorRecordVersion);
    ar.WriteInt32(m_nLine);
    ar.WriteInt32(m_nPos);
    ar.WriteString(m_strWord);
    ar.WriteString(*m_pLine);
    ar.WriteInt32(m_nChosen);
    ar.WriteInt32(m_bIgnored);
    ar.WriteInt32(m_nKind);
    ar.WriteInt32(m_nCategory);
    ar.WriteStringArray(m_suggestions);
    ar.WriteStringArray(m_calls);
}

bool CSpellError::Load(CArchiveReader& ar) {
    int32_t nVersion = 0;
    std::string strLine;
    if (!ar.ReadInt32(nVersion) || !ar.ReadInt32(m_nLine) || !ar.ReadInt32(m_nPos) ||
        !ar.ReadString(m_strWord) || !ar.ReadString(strLine) || !ar.ReadInt32(m_nChosen) ||
        !ar.ReadInt32(m_bIgnored))
        return false;
    SetLine(std::move(strLine));
    // A newer record would be read out of step with its fields.
    if (nVersion > kErrorRecordVersion) {
        ar.Fail("unsupported finding record version " + std::to_string(nVersion));
        return false;
    }
    m_nKind = KIND_SPELLING;
    if (nVersion > 1 && !ar.ReadInt32(m_nKind))
        return false;
    m_nCategory = 1;
    if (nVersion > 0 && !ar.ReadInt32(m_nCategory))
        return false;
    std::vector<std::string> suggestions;
    if (!ar.ReadStringArray(suggestions))
        return false;
    m_suggestions = std::move(suggestions);
    std::vector<std::string> calls;
    if (nVersion > 2 && !ar.ReadStringArray(calls))
        return false;
    m_calls = std::move(calls);
    m_bVisible = 1;
    return true;
}

bool CSpellError::HasCall(const std::string& strName) const {
    return std::find(m_calls.begin(), m_calls.end(), strName) != m_calls.end();
}

bool CSpellError::MatchesText(const std::string& strText) const {
    std::string text = FoldCase(strText);
    if (FoldCase(m_strWord).find(text) != std::string::npos)
        return true;
    for (const std::string& s : m_suggestions)
        if (FoldCase(s).find(text) != std::string::npos)
            return true;
    return false;
}
