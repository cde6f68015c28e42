// Word's object model driven by dispatch ids: the calls, their order and the values
// passed are those Word's automation interface publishes.
#include "engines/MirtSpellEngineMsWord.h"

#include <utility>

namespace {
constexpr DISPID DISPID_APPLICATION_VISIBLE = 0x17;
constexpr DISPID DISPID_APPLICATION_TOP = 0x58;
constexpr DISPID DISPID_APPLICATION_WINDOWSTATE = 0x5B;
constexpr DISPID DISPID_APPLICATION_DOCUMENTS = 6;
constexpr DISPID DISPID_APPLICATION_QUIT = 0x451;
constexpr DISPID DISPID_APPLICATION_GETSPELLINGSUGGESTIONS = 0x147;
constexpr DISPID DISPID_DOCUMENTS_ADD = 0x0E;
constexpr DISPID DISPID_DOCUMENT_SAVED = 0x28;
constexpr DISPID DISPID_DOCUMENT_CLOSE = 0x451;
constexpr DISPID DISPID_SUGGESTIONS_COUNT = 1;
constexpr DISPID DISPID_SUGGESTIONS_ITEM = 0;
constexpr DISPID DISPID_SUGGESTION_NAME = 0;

constexpr int32_t kWindowStateNormal = 0;
// Far above the screen, so Word's window never shows.
constexpr int32_t kTopOffScreen = -3000;
// GetSpellingSuggestions takes thirteen optional arguments after the word.
constexpr size_t kSuggestionOptionCount = 13;

bool Put(CAutomationObject& object, DISPID dispId, CVariant value) {
    CVariant ignored;
    return object.Invoke(dispId, EInvokeKind::PropertyPut, {std::move(value)}, ignored);
}

bool Get(CAutomationObject& object, DISPID dispId, CVariant& result) {
    return object.Invoke(dispId, EInvokeKind::PropertyGet, {}, result);
}

bool Call(CAutomationObject& object, DISPID dispId, const std::vector<CVariant>& args,
          CVariant& result) {
    return object.Invoke(dispId, EInvokeKind::Method, args, result);
}

// (SaveChanges, OriginalFormat, RouteDocument) for Close and Quit: do not save.
std::vector<CVariant> DoNotSaveArguments() {
    return {CVariant::I2(0), CVariant::Missing(), CVariant::Missing()};
}

// The word, then CustomDictionary, IgnoreUppercase and the remaining options.
std::vector<CVariant> SuggestionArguments(const std::string& strWord) {
    std::vector<CVariant> args(kSuggestionOptionCount + 1, CVariant::Missing());
    args[0] = CVariant::BStr(strWord);
    args[2] = CVariant::I2(1);
    return args;
}

void Append(std::vector<std::string>& suggestions, const std::vector<std::string>& list) {
    suggestions.insert(suggestions.end(), list.begin(), list.end());
}
} // namespace

CMirtSpellEngineMsWord::CMirtSpellEngineMsWord(std::shared_ptr<CAutomationPort> pAutomation)
    : m_pAutomation(std::move(pAutomation)) {}

int CMirtSpellEngineMsWord::Start() {
    m_bFailed = false;
    m_pApplication = m_pAutomation ? m_pAutomation->CreateObject("Word.Application") : nullptr;
    if (!m_pApplication)
        return 0;
    if (!HideApplication() || !OpenDocument()) {
        QuitAndRelease();
        return 0;
    }
    return 1;
}

bool CMirtSpellEngineMsWord::HideApplication() {
    CVariant top;
    return Put(*m_pApplication, DISPID_APPLICATION_VISIBLE, CVariant::Bool(false)) &&
           Get(*m_pApplication, DISPID_APPLICATION_TOP, top) && top.ToInt(m_nSavedTop) &&
           Put(*m_pApplication, DISPID_APPLICATION_WINDOWSTATE, CVariant::I4(kWindowStateNormal)) &&
           Put(*m_pApplication, DISPID_APPLICATION_TOP, CVariant::I4(kTopOffScreen));
}

bool CMirtSpellEngineMsWord::OpenDocument() {
    CVariant documents;
    if (!Get(*m_pApplication, DISPID_APPLICATION_DOCUMENTS, documents) || !documents.ToObject())
        return false;
    const std::vector<CVariant> args = {CVariant::Missing(), CVariant::Missing(),
                                        CVariant::Missing(), CVariant::I2(1)};
    CVariant document;
    if (!Call(*documents.ToObject(), DISPID_DOCUMENTS_ADD, args, document))
        return false;
    m_pDocument = document.ToObject();
    return m_pDocument != nullptr;
}

int CMirtSpellEngineMsWord::CheckWord(std::string strWord, std::vector<std::string>& suggestions) {
    // Not started, or Word was lost earlier in the run.
    if (!m_pApplication)
        return 0;
    if (auto it = m_cache.find(strWord); it != m_cache.end()) {
        Append(suggestions, it->second);
        return 1;
    }
    // A failure here concerns this word only: nothing is cached, so it is asked again.
    CVariant result;
    if (!Call(*m_pApplication, DISPID_APPLICATION_GETSPELLINGSUGGESTIONS,
              SuggestionArguments(strWord), result) ||
        !result.ToObject())
        return 0;
    std::vector<std::string> list;
    if (!ReadSuggestions(*result.ToObject(), list)) {
        result = CVariant();
        m_bFailed = true;
        QuitAndRelease();
        return 0;
    }
    Append(suggestions, list);
    m_cache.emplace(std::move(strWord), std::move(list));
    return 1;
}

bool CMirtSpellEngineMsWord::ReadSuggestions(CAutomationObject& suggestionsObject,
                                             std::vector<std::string>& list) {
    // Count is read again before every step, as the collection reports it.
    for (int32_t nIndex = 1;; ++nIndex) {
        CVariant count;
        int32_t nCount = 0;
        if (!Get(suggestionsObject, DISPID_SUGGESTIONS_COUNT, count) || !count.ToInt(nCount))
            return false;
        if (nIndex > nCount)
            return true;
        CVariant item;
        if (!Call(suggestionsObject, DISPID_SUGGESTIONS_ITEM, {CVariant::I4(nIndex)}, item) ||
            !item.ToObject())
            return false;
        CVariant name;
        if (!Get(*item.ToObject(), DISPID_SUGGESTION_NAME, name) || name.GetType() != VT_BSTR)
            return false;
        list.push_back(name.GetString());
    }
}

int CMirtSpellEngineMsWord::Stop() {
    if (m_pApplication) {
        // A failed step skips the rest up to Quit, which is always tried.
        (void)(Put(*m_pApplication, DISPID_APPLICATION_VISIBLE, CVariant::Bool(false)) &&
               CloseDocument() &&
               Put(*m_pApplication, DISPID_APPLICATION_TOP, CVariant::I4(m_nSavedTop)));
    }
    QuitAndRelease();
    return 1;
}

bool CMirtSpellEngineMsWord::CloseDocument() {
    AutomationObjectPtr pDocument = std::move(m_pDocument);
    if (!pDocument)
        return true;
    CVariant ignored;
    return Put(*pDocument, DISPID_DOCUMENT_SAVED, CVariant::Bool(true)) &&
           Call(*pDocument, DISPID_DOCUMENT_CLOSE, DoNotSaveArguments(), ignored);
}

void CMirtSpellEngineMsWord::QuitAndRelease() {
    m_pDocument.reset();
    if (m_pApplication) {
        CVariant ignored;
        (void)Call(*m_pApplication, DISPID_APPLICATION_QUIT, DoNotSaveArguments(), ignored);
        m_pApplication.reset();
    }
    m_cache.clear();
}
