// GNU Aspell through its C interface: one speller per check run.
#include "engines/MirtSpellEngineASpell.h"

#include <aspell.h>

#include <cstring>
#include <utility>

#include "platform/ConsoleOutput.h"

namespace {
struct SConfigDeleter {
    void operator()(AspellConfig* pConfig) const { delete_aspell_config(pConfig); }
};
struct SCanHaveErrorDeleter {
    void operator()(AspellCanHaveError* pResult) const { delete_aspell_can_have_error(pResult); }
};
struct SEnumerationDeleter {
    void operator()(AspellStringEnumeration* pEnum) const {
        delete_aspell_string_enumeration(pEnum);
    }
};
using ConfigPtr = std::unique_ptr<AspellConfig, SConfigDeleter>;

// Aspell's suggestion search takes stack in proportion to the word and overflows it on
// words of some megabytes (a line of data, a minified script); it has nothing to
// offer for words far shorter than that.
constexpr size_t kLongestSuggestedWord = 1000;

constexpr unsigned kSuggestionsPerSpeller = 256;

// The folders of the Aspell folder, in the order they are given to Aspell.
constexpr std::pair<const char*, const char*> kFolderKeys[] = {
    {"dict-dir", "Aspell/dict"},
    {"data-dir", "Aspell/data"},
    {"home-dir", "Aspell"},
};

// Nonzero from Aspell means the key was accepted.
bool Replace(AspellConfig* pConfig, const char* pszKey, const std::string& strValue) {
    return aspell_config_replace(pConfig, pszKey, strValue.c_str()) != 0;
}

bool Configure(AspellConfig* pConfig, const std::string& strProgramFolder) {
    if (!Replace(pConfig, "lang", "en_US"))
        return false;
    for (const auto& [pszKey, pszFolder] : kFolderKeys) {
        if (!Replace(pConfig, pszKey, strProgramFolder + pszFolder))
            return false;
    }
    // Our 8-bit text is UTF-8; Aspell's default would read it as Latin-1.
    return Replace(pConfig, "encoding", "utf-8");
}
} // namespace

void CMirtSpellEngineASpell::SSpellerDeleter::operator()(AspellSpeller* pSpeller) const {
    delete_aspell_speller(pSpeller);
}

CMirtSpellEngineASpell::CMirtSpellEngineASpell(std::string strProgramFolder)
    : m_strProgramFolder(std::move(strProgramFolder)) {}

CMirtSpellEngineASpell::~CMirtSpellEngineASpell() = default;

// Same folder, same dictionaries and options: the same answers.
std::unique_ptr<CMirtSpellEngine> CMirtSpellEngineASpell::MakePeer() const {
    return std::make_unique<CMirtSpellEngineASpell>(m_strProgramFolder);
}

int CMirtSpellEngineASpell::Start() {
    m_pSpeller.reset();
    std::string strError;
    m_pSpeller = NewSpeller(strError);
    if (!m_pSpeller) {
        if (!strError.empty())
            ConsoleWrite(strError + "\n");
        return 0;
    }
    m_nSuggestCalls = 0;
    return 1;
}

// Null, with Aspell's message when it gave one, when the speller cannot be made.
CMirtSpellEngineASpell::CSpellerPtr
CMirtSpellEngineASpell::NewSpeller(std::string& strError) const {
    ConfigPtr pConfig(new_aspell_config());
    if (!pConfig || !Configure(pConfig.get(), m_strProgramFolder))
        return nullptr;
    AspellCanHaveError* pResult = new_aspell_speller(pConfig.get());
    if (aspell_error_number(pResult) != 0) {
        std::unique_ptr<AspellCanHaveError, SCanHaveErrorDeleter> pError(pResult);
        strError = aspell_error_message(pResult);
        return nullptr;
    }
    return CSpellerPtr(to_aspell_speller(pResult));
}

// Aspell keeps some kilobytes of every suggestion search until its speller goes, so a
// long run trades the speller for a fresh one now and then; a fresh speller answers
// as the old one did. Should that fail, the old one goes on.
void CMirtSpellEngineASpell::RenewAfterSuggestions() {
    if (++m_nSuggestCalls % kSuggestionsPerSpeller != 0)
        return;
    std::string strError;
    if (CSpellerPtr pFresh = NewSpeller(strError))
        m_pSpeller = std::move(pFresh);
}

int CMirtSpellEngineASpell::Stop() {
    m_pSpeller.reset();
    return 1;
}

int CMirtSpellEngineASpell::CheckWord(std::string strWord, std::vector<std::string>& suggestions) {
    if (!m_pSpeller)
        return 0;
    const char* pszWord = strWord.c_str();
    const int nLength = static_cast<int>(std::strlen(pszWord));
    // Anything but 1 is not accepted, Aspell's error value included.
    if (aspell_speller_check(m_pSpeller.get(), pszWord, nLength) == 1 ||
        static_cast<size_t>(nLength) > kLongestSuggestedWord)
        return 1;
    const AspellWordList* pList = aspell_speller_suggest(m_pSpeller.get(), pszWord, nLength);
    if (!pList)
        return 1;
    std::unique_ptr<AspellStringEnumeration, SEnumerationDeleter> pEnum(
        aspell_word_list_elements(pList));
    while (const char* pszSuggestion = aspell_string_enumeration_next(pEnum.get()))
        suggestions.emplace_back(pszSuggestion);
    pEnum.reset();
    RenewAfterSuggestions();
    return 1;
}

std::string CMirtSpellEngineASpell::GetSpellerOption(const std::string& strKey) const {
    if (!m_pSpeller)
        return "";
    const char* pszValue =
        aspell_config_retrieve(aspell_speller_config(m_pSpeller.get()), strKey.c_str());
    return pszValue ? pszValue : "";
}
