// A stand-in for Word behind the automation port: it answers the members the Word
// engine uses, records every call as one line of text, and can be told to fail.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Automation.h"

// Calls are recorded as "<object> <call|get|put> 0x<id> (<arguments>)", with the
// arguments written as "missing", "i2 1", "i4 -3000", "bool true", "str \"word\"".
// The objects are Application, Documents, Document, Suggestions and Suggestion.
class CFakeWordServer : public CAutomationPort,
                        public std::enable_shared_from_this<CFakeWordServer> {
public:
    AutomationObjectPtr CreateObject(const std::string& strProgId) override;

    // Words without suggestions here are correct: Word answers them with none.
    void SetSuggestions(const std::string& strWord, std::vector<std::string> list);
    // Every call recorded as this line fails; the server carries on.
    void FailCall(const std::string& strCall) { m_failingCalls.insert(strCall); }
    // Word goes away at this call: it and every later call fail.
    void LoseWordAt(const std::string& strCall) { m_strLoseAt = strCall; }

    // Returns the calls recorded since the last time and forgets them.
    std::vector<std::string> TakeCalls();
    // An application was created and has neither quit nor gone away.
    bool IsRunning() const { return m_bRunning; }
    // Names of the objects handed out that someone still holds.
    std::vector<std::string> LiveObjects() const;

    bool m_bInstalled = true;
    int32_t m_nTop = 120;

    // Called by the fake objects.
    bool Answer(const std::string& strObject, const std::string& strPayload, DISPID dispId,
                EInvokeKind kind, const std::vector<CVariant>& args, CVariant& result);

private:
    AutomationObjectPtr Make(const std::string& strObject, const std::string& strPayload);
    bool AnswerApplication(DISPID dispId, EInvokeKind kind, const std::vector<CVariant>& args,
                           CVariant& result);
    bool AnswerSuggestions(const std::string& strWord, DISPID dispId, EInvokeKind kind,
                           const std::vector<CVariant>& args, CVariant& result);

    std::vector<std::string> m_calls;
    std::map<std::string, std::vector<std::string>> m_suggestions;
    std::set<std::string> m_failingCalls;
    std::string m_strLoseAt;
    bool m_bLost = false;
    bool m_bRunning = false;
    std::vector<std::pair<std::string, std::weak_ptr<CAutomationObject>>> m_objects;
};
