// A scriptable spelling engine for tests: it rejects the words it is told to, with
// the suggestions it is given, and records every word it is asked about.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "engines/MirtSpellEngine.h"

class CFakeSpellEngine : public CMirtSpellEngine {
public:
    // The word is rejected with these suggestions (none: rejected without a proposal).
    void Reject(const std::string& strWord, std::vector<std::string> suggestions);
    // Every word not named by Reject is rejected with these suggestions.
    void RejectUnknownWords(std::vector<std::string> suggestions);
    void SetStartResult(int nResult);
    void SetFailed(bool bFailed);
    void SetName(const std::string& strName);
    // Called with every word asked, after it was answered (outside the engine's lock).
    void SetOnWord(std::function<void(const std::string&)> onWord);
    // Called on every start, before it answers (outside the engine's lock).
    void SetOnStart(std::function<void()> onStart);
    // From now on MakePeer gives engines with a copy of the script that call this with
    // every word they are asked (no peers before).
    void SetPeerOnWord(std::function<void(const std::string&)> onWord);

    int Start() override;
    int Stop() override;
    int CheckWord(std::string strWord, std::vector<std::string>& suggestions) override;
    std::string GetName() const override;
    std::string GetDescription() const override;
    bool HasFailed() const override;
    std::unique_ptr<CMirtSpellEngine> MakePeer() const override;

    // Every word asked, in order.
    std::vector<std::string> GetAskedWords() const;
    void ClearAskedWords();
    int GetStartCount() const;
    int GetStopCount() const;

private:
    mutable std::mutex m_mutex; // the check run asks from its own thread
    std::map<std::string, std::vector<std::string>> m_rejected;
    std::optional<std::vector<std::string>> m_unknownSuggestions;
    std::vector<std::string> m_asked;
    std::string m_strName = "Fake";
    int m_nStartResult = 1;
    int m_nStarts = 0;
    int m_nStops = 0;
    bool m_bFailed = false;
    std::function<void(const std::string&)> m_onWord;
    std::function<void()> m_onStart;
    std::function<void(const std::string&)> m_onPeerWord;
};
