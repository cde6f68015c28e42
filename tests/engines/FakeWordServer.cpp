// The fake Word: a small object model over one recorded call list.
#include "tests/engines/FakeWordServer.h"

#include <cstdio>
#include <utility>

namespace {
class CFakeObject : public CAutomationObject {
public:
    CFakeObject(std::shared_ptr<CFakeWordServer> pServer, std::string strName,
                std::string strPayload)
        : m_pServer(std::move(pServer)), m_strName(std::move(strName)),
          m_strPayload(std::move(strPayload)) {}

    bool Invoke(DISPID dispId, EInvokeKind kind, const std::vector<CVariant>& args,
                CVariant& result) override {
        return m_pServer->Answer(m_strName, m_strPayload, dispId, kind, args, result);
    }

private:
    std::shared_ptr<CFakeWordServer> m_pServer;
    std::string m_strName;
    std::string m_strPayload;
};

std::string Describe(const CVariant& v) {
    char buffer[32];
    switch (v.GetType()) {
    case VT_ERROR:
        if (v.GetInt() == DISP_E_PARAMNOTFOUND)
            return "missing";
        std::snprintf(buffer, sizeof buffer, "error 0x%08x", static_cast<unsigned>(v.GetInt()));
        return buffer;
    case VT_I2:
        return "i2 " + std::to_string(v.GetInt());
    case VT_I4:
        return "i4 " + std::to_string(v.GetInt());
    case VT_BOOL:
        return v.GetBool() ? "bool true" : "bool false";
    case VT_BSTR:
        return "str \"" + v.GetString() + "\"";
    case VT_DISPATCH:
        return "object";
    case VT_EMPTY:
        break;
    }
    return "empty";
}

std::string Describe(const std::string& strObject, DISPID dispId, EInvokeKind kind,
                     const std::vector<CVariant>& args) {
    const char* pszKind = kind == EInvokeKind::Method        ? "call"
                          : kind == EInvokeKind::PropertyGet ? "get"
                                                             : "put";
    char id[16];
    std::snprintf(id, sizeof id, "0x%x", static_cast<unsigned>(dispId));
    std::string line = strObject + " " + pszKind + " " + id + " (";
    for (size_t i = 0; i < args.size(); ++i)
        line += (i ? ", " : "") + Describe(args[i]);
    return line + ")";
}
} // namespace

AutomationObjectPtr CFakeWordServer::CreateObject(const std::string& strProgId) {
    m_calls.push_back("create " + strProgId);
    if (!m_bInstalled || strProgId != "Word.Application")
        return nullptr;
    m_bRunning = true;
    m_bLost = false;
    return Make("Application", "");
}

AutomationObjectPtr CFakeWordServer::Make(const std::string& strObject,
                                          const std::string& strPayload) {
    auto pObject = std::make_shared<CFakeObject>(shared_from_this(), strObject, strPayload);
    m_objects.emplace_back(strObject, pObject);
    return pObject;
}

void CFakeWordServer::SetSuggestions(const std::string& strWord, std::vector<std::string> list) {
    m_suggestions[strWord] = std::move(list);
}

std::vector<std::string> CFakeWordServer::TakeCalls() {
    return std::exchange(m_calls, {});
}

std::vector<std::string> CFakeWordServer::LiveObjects() const {
    std::vector<std::string> names;
    for (const auto& [strName, pObject] : m_objects) {
        if (!pObject.expired())
            names.push_back(strName);
    }
    return names;
}

bool CFakeWordServer::Answer(const std::string& strObject, const std::string& strPayload,
                             DISPID dispId, EInvokeKind kind, const std::vector<CVariant>& args,
                             CVariant& result) {
    const std::string line = Describe(strObject, dispId, kind, args);
    m_calls.push_back(line);
    if (line == m_strLoseAt) {
        m_bLost = true;
        m_bRunning = false;
    }
    if (m_bLost || m_failingCalls.count(line))
        return false;
    const bool bPut = kind == EInvokeKind::PropertyPut && args.size() == 1;
    const bool bGet = kind == EInvokeKind::PropertyGet && args.empty();
    const bool bCall = kind == EInvokeKind::Method;
    if (strObject == "Application")
        return AnswerApplication(dispId, kind, args, result);
    if (strObject == "Documents" && bCall && dispId == 0x0E && args.size() == 4) {
        result = CVariant::Dispatch(Make("Document", ""));
        return true;
    }
    if (strObject == "Document")
        return (bPut && dispId == 0x28) || (bCall && dispId == 0x451 && args.size() == 3);
    if (strObject == "Suggestions")
        return AnswerSuggestions(strPayload, dispId, kind, args, result);
    if (strObject == "Suggestion" && bGet && dispId == 0) {
        result = CVariant::BStr(strPayload);
        return true;
    }
    return false;
}

bool CFakeWordServer::AnswerApplication(DISPID dispId, EInvokeKind kind,
                                        const std::vector<CVariant>& args, CVariant& result) {
    const bool bPut = kind == EInvokeKind::PropertyPut && args.size() == 1;
    const bool bGet = kind == EInvokeKind::PropertyGet && args.empty();
    const bool bCall = kind == EInvokeKind::Method;
    if (bPut && (dispId == 0x17 || dispId == 0x5B))
        return true;
    if (bPut && dispId == 0x58)
        return args[0].ToInt(m_nTop);
    if (bGet && dispId == 0x58) {
        result = CVariant::I4(m_nTop);
        return true;
    }
    if (bGet && dispId == 6) {
        result = CVariant::Dispatch(Make("Documents", ""));
        return true;
    }
    if (bCall && dispId == 0x451 && args.size() == 3) {
        m_bRunning = false;
        return true;
    }
    if (bCall && dispId == 0x147 && args.size() == 14 && args[0].GetType() == VT_BSTR) {
        result = CVariant::Dispatch(Make("Suggestions", args[0].GetString()));
        return true;
    }
    return false;
}

bool CFakeWordServer::AnswerSuggestions(const std::string& strWord, DISPID dispId, EInvokeKind kind,
                                        const std::vector<CVariant>& args, CVariant& result) {
    const std::vector<std::string>& list = m_suggestions[strWord];
    if (kind == EInvokeKind::PropertyGet && dispId == 1 && args.empty()) {
        result = CVariant::I4(static_cast<int32_t>(list.size()));
        return true;
    }
    int32_t nIndex = 0;
    if (kind == EInvokeKind::Method && dispId == 0 && args.size() == 1 && args[0].ToInt(nIndex) &&
        nIndex >= 1 && nIndex <= static_cast<int32_t>(list.size())) {
        result = CVariant::Dispatch(Make("Suggestion", list[static_cast<size_t>(nIndex) - 1]));
        return true;
    }
    return false;
}
