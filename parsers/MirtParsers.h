// The registry of every parser of the process, in registration order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "parsers/MirtParser.h"

class CMirtDoc;
class CMirtSpellEngine;
class CSettingsStore;

class CMirtParsers {
public:
    CMirtParsers();
    ~CMirtParsers();

    int Add(std::unique_ptr<CMirtParser> pParser);
    size_t GetSize() const { return m_parsers.size(); }
    CMirtParser* GetAt(size_t nIndex) const { return m_parsers[nIndex].get(); }

    // The first parser with this id, or null.
    CMirtParser* FindById(int32_t nId) const;
    // The first parser whose extensions match the path; the default parser (id -1)
    // when none does. Never null.
    CMirtParser* FindByFileName(const std::string& strPath) const;
    int32_t SyntaxOfPath(const std::string& strPath) const;

    // Hands the document and the engine of a check run to every parser, in order.
    void SetContextAll(CMirtDoc* pDoc, CMirtSpellEngine* pEngine);
    // Each parser's extensions from the group "Parsers", value GetName(); a missing
    // value keeps the parser's own extensions.
    void LoadAssociations(const CSettingsStore& settings);
    // Parsers sharing a name share one value: the last one written wins.
    void SaveAssociations(CSettingsStore& settings) const;

private:
    std::vector<std::unique_ptr<CMirtParser>> m_parsers;
    std::unique_ptr<CMirtParser> m_pDefault;
};
