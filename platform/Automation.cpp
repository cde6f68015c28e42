// Automation values, and the port of a platform without an automation server.
#include "platform/Automation.h"

#include <utility>

CVariant CVariant::Error(int32_t nCode) {
    CVariant v;
    v.m_type = VT_ERROR;
    v.m_nValue = nCode;
    return v;
}

CVariant CVariant::I2(int16_t nValue) {
    CVariant v;
    v.m_type = VT_I2;
    v.m_nValue = nValue;
    return v;
}

CVariant CVariant::I4(int32_t nValue) {
    CVariant v;
    v.m_type = VT_I4;
    v.m_nValue = nValue;
    return v;
}

CVariant CVariant::Bool(bool bValue) {
    CVariant v;
    v.m_type = VT_BOOL;
    v.m_nValue = bValue ? 1 : 0;
    return v;
}

CVariant CVariant::BStr(std::string strValue) {
    CVariant v;
    v.m_type = VT_BSTR;
    v.m_strValue = std::move(strValue);
    return v;
}

CVariant CVariant::Dispatch(AutomationObjectPtr pObject) {
    CVariant v;
    v.m_type = VT_DISPATCH;
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
