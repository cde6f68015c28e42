// Parser registry.
#include "parsers/MirtParsers.h"

CMirtParsers::CMirtParsers() : m_pDefault(std::make_unique<CMirtParser>()) {}

CMirtParsers::~CMirtParsers() = default;

int CMirtParsers::Add(std::unique_ptr<CMirtParser> pParser) {
    m_parsers.push_back(std::move(pParser));
    return 1;
}

CMirtParser* CMirtParsers::FindById(int32_t nId) const {
    for (const auto& p : m_parsers)
        if (p->GetId() == nId)
            return p.get();
    return nullptr;
}

CMirtParser* CMirtParsers::FindByFileName(const std::string& strPath) const {
    for (const auto& p : m_parsers)
        if (p->MatchesFileName(strPath))
            return p.get();
    return m_pDefault.get();
}

int32_t CMirtParsers::SyntaxOfPath(const std::string& strPath) const {
    return FindByFileName(strPath)->GetId();
}

void CMirtParsers::SetContextAll(CMirtDoc* pDoc, CMirtSpellEngine* pEngine) {
    for (const auto& p : m_parsers)
        p->SetContext(pDoc, pEngine);
}

void CMirtParsers::LoadAssociations(const CSettingsStore& settings) {
    for (const auto& p : m_parsers)
        p->LoadExtensions(settings);
}

void CMirtParsers::SaveAssociations(CSettingsStore& settings) const {
    for (const auto& p : m_parsers)
        p->SaveExtensions(settings);
}
