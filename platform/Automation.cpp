// Automation values, and the port of a platform without an automation server.
#include "platform/Automation.h"

#include <utility>

CVariant::CVariant(EVarType type, int32_t nValue) : m_type(type), m_nValue(nValue) {}

CVariant CVariant::Error(int32_t nCode) {
    return CVariant(VT_ERROR, nCode);
}

CVariant CVariant::I2(int16_t nValue) {
    return CVariant(VT_I2, nValue);
}

CVariant CVariant::I4(int32_t nValue) {
    return CVariant(VT_I4, nValue);
}

CVariant CVariant::Bool(bool bValue) {
    return CVariant(VT_BOOL, bValue ? 1 : 0);
}

CVariant CVariant::BStr(std::string strValue) {
    CVariant v(VT_BSTR, 0);
    v.m_strValue = std::move(strValue);
    return v;
}

CVariant CVariant::Dispatch(AutomationObjectPtr pObject) {
    CVariant v(VT_DISPATCH, 0);
    v.m_pObject = std::move(pObject);
    return v;
}

bool CVariant::ToInt(int32_t& nValue) const {
    if (m_type != VT_I2 && m_type != VT_I4)
        return false;
    nValue = m_nValue;
    return true;
}

AutomationObjectPtr CVariant::ToObject() const {
    return m_type == VT_DISPATCH ? m_pObject : nullptr;
}

namespace {
class CNoAutomationPort : public CAutomationPort {
public:
    AutomationObjectPtr CreateObject(const std::string&) override { return nullptr; }
};
} // namespace

std::shared_ptr<CAutomationPort> CreateAutomationPort() {
    return std::make_shared<CNoAutomationPort>();
}
