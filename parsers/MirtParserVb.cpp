// The Visual Basic parser.
#include "parsers/MirtParserVb.h"

#include "parsers/KeywordList.h"

namespace {
constexpr int32_t kId = 1;
constexpr const char* kName = "VB";
constexpr const char* kExtensions = "vb frm ctl pag dsr bas cls res";
// Only the apostrophe starts a comment: a line beginning with Rem is read as code.
constexpr SSyntaxTokens kTokens = {
    .pszStringStart = "\"", .pszStringEnd = "\"", .pszLineComment = "'"};
// Not a separator inside string literals, so a caption such as "&File" stays whole.
constexpr char kAccelerator = '&';
constexpr int kOwnKeywords = KEYWORDS_VB;
} // namespace

CMirtParserVb::CMirtParserVb() {
    SetTokens(kTokens);
    m_stringSeparators[static_cast<unsigned char>(kAccelerator)] = false;
    SetExtensions(kExtensions);
}

int32_t CMirtParserVb::GetId() const {
    return kId;
}

std::string CMirtParserVb::GetName() const {
    return kName;
}

std::string CMirtParserVb::GetDefaultExtensions() const {
    return kExtensions;
}

int CMirtParserVb::CheckLanguageWord(const std::string& strWord,
                                     std::vector<std::string>& suggestions) {
    if (CheckAcceleratorWord(strWord, suggestions) != 0)
        return suggestions.empty() ? 1 : 0;
    return CMirtParser::CheckLanguageWord(strWord, suggestions);
}

int CMirtParserVb::CheckCommentWord(const std::string& strWord,
                                    std::vector<std::string>& suggestions) {
    if (GetKeywordList(kOwnKeywords).Find(strWord))
        return 1;
    return CMirtParser::CheckCommentWord(strWord, suggestions);
}

int CMirtParserVb::CheckCodeWord(const std::string& strWord,
                                 std::vector<std::string>& suggestions) {
    if (GetKeywordList(KEYWORDS_ABBREVIATIONS).Find(strWord) ||
        GetKeywordList(kOwnKeywords).Find(strWord))
        return 1;
    return CMirtParser::CheckCodeWord(strWord, suggestions);
}
