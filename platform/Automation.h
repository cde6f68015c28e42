// The automation port: late-bound calls on objects of another application, by
// dispatch id with variant arguments, and creation of such objects by program id.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using DISPID = int32_t;

// The automation type tags, with their classic values.
enum EVarType : uint16_t {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
};

// The error code that marks an omitted optional argument.
constexpr int32_t DISP_E_PARAMNOTFOUND = static_cast<int32_t>(0x80020004u);

class CAutomationObject;
// An object reference: holding it keeps the object alive, dropping it releases it.
using AutomationObjectPtr = std::shared_ptr<CAutomationObject>;

// One automation value. Strings are UTF-8 text.
class CVariant {
public:
    CVariant() = default;

    static CVariant Missing() { return Error(DISP_E_PARAMNOTFOUND); }
    static CVariant Error(int32_t nCode);
    static CVariant I2(int16_t nValue);
    static CVariant I4(int32_t nValue);
    static CVariant Bool(bool bValue);
    static CVariant BStr(std::string strValue);
    static CVariant Dispatch(AutomationObjectPtr pObject);

    EVarType GetType() const { return m_type; }
    // The number of a VT_I2, VT_I4 or VT_ERROR value; 1 or 0 for VT_BOOL.
    int32_t GetInt() const { return m_nValue; }
    bool GetBool() const { return m_nValue != 0; }
    const std::string& GetString() const { return m_strValue; }
    const AutomationObjectPtr& GetObject() const { return m_pObject; }

    // True for a VT_I2 or VT_I4 value, which is then stored in nValue.
    [[nodiscard]] bool ToInt(int32_t& nValue) const;
    // The object of a VT_DISPATCH value; null for any other value.
    AutomationObjectPtr ToObject() const;

private:
    CVariant(EVarType type, int32_t nValue);

    EVarType m_type = VT_EMPTY;
    int32_t m_nValue = 0;
    std::string m_strValue;
    AutomationObjectPtr m_pObject;
};

enum class EInvokeKind { Method, PropertyGet, PropertyPut };

class CAutomationObject {
public:
    virtual ~CAutomationObject() = default;

    // Calls a member. Arguments come in the order the member declares them; a
    // property put passes the new value as its one argument. False when the call
    // failed, in which case result is left empty.
    [[nodiscard]] virtual bool Invoke(DISPID dispId, EInvokeKind kind,
                                      const std::vector<CVariant>& args, CVariant& result) = 0;
};

class CAutomationPort {
public:
    virtual ~CAutomationPort() = default;

    // A new object of the application registered under the program id, or null when
    // there is none.
    virtual AutomationObjectPtr CreateObject(const std::string& strProgId) = 0;
};

// This platform's port. Linux has no automation server, so it creates nothing.
std::shared_ptr<CAutomationPort> CreateAutomationPort();
