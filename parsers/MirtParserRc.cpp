// The resource-script parser.
#include "parsers/MirtParserRc.h"

namespace {
constexpr int32_t kId = 6;
constexpr const char* kName = "Resource";
constexpr const char* kExtensions = "rc rc2";
// Menu and dialog texts carry accelerators: "E&xit" is one word.
constexpr char kAccelerator = '&';
} // namespace

CMirtParserRc::CMirtParserRc() {
    m_stringSeparators[static_cast<unsigned char>(kAccelerator)] = false;
    SetExtensions(kExtensions);
}

int32_t CMirtParserRc::GetId() const {
    return kId;
}

std::string CMirtParserRc::GetName() const {
    return kName;
}

std::string CMirtParserRc::GetDefaultExtensions() const {
    return kExtensions;
}
