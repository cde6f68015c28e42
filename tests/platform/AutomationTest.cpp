// Automation values as the other side reads them, and this platform's port.
#include <gtest/gtest.h>

#include "platform/Automation.h"

TEST(Automation, MissingIsTheOmittedArgumentError) {
    const CVariant missing = CVariant::Missing();
    EXPECT_EQ(missing.GetType(), 10);
    EXPECT_EQ(static_cast<uint32_t>(missing.GetInt()), 0x80020004u);
}

TEST(Automation, OnlyIntegerValuesReadAsIntegers) {
    int32_t nValue = 5;
    EXPECT_TRUE(CVariant::I2(-1).ToInt(nValue));
    EXPECT_EQ(nValue, -1);
    EXPECT_TRUE(CVariant::I4(-3000).ToInt(nValue));
    EXPECT_EQ(nValue, -3000);
    for (const CVariant& other :
         {CVariant::Bool(true), CVariant::Missing(), CVariant::BStr("1"), CVariant()}) {
        nValue = 5;
        EXPECT_FALSE(other.ToInt(nValue)) << other.GetType();
        EXPECT_EQ(nValue, 5);
    }
}

namespace {
class CInertObject : public CAutomationObject {
public:
    bool Invoke(DISPID, EInvokeKind, const std::vector<CVariant>&, CVariant&) override {
        return false;
    }
};
} // namespace

TEST(Automation, OnlyObjectValuesReadAsObjects) {
    auto pObject = std::make_shared<CInertObject>();
    const CVariant held = CVariant::Dispatch(pObject);
    EXPECT_EQ(held.ToObject(), pObject);
    // Holding the value holds a reference.
    EXPECT_EQ(pObject.use_count(), 2);
    EXPECT_EQ(CVariant::I4(1).ToObject(), nullptr);
    EXPECT_EQ(CVariant::BStr("Application").ToObject(), nullptr);
}

TEST(Automation, ThisPlatformCreatesNoWord) {
    EXPECT_EQ(CreateAutomationPort()->CreateObject("Word.Application"), nullptr);
}
