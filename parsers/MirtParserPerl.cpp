// The Perl parser.
#include "parsers/MirtParserPerl.h"

#include "parsers/KeywordList.h"
#include "parsers/WordCategory.h"

namespace {
constexpr SSyntaxTable kSyntax = WithOwnKeywords(
    {.nId = 7,
     .pszName = "Perl",
     .pszExtensions = "pl pm",
     .tokens = {.pszStringStart = "\"", .pszStringEnd = "\"", .pszLineComment = "#"}},
    KEYWORDS_PERL);
// Any line starting with this opens a POD block; only the exact line "=cut" closes it.
constexpr char kPodCommand = '=';
constexpr const char* kPodEnd = "=cut";
// The old package separator: "&'name" calls name, and the apostrophe must not be read.
constexpr const char* kOldPackageCall = "&'";
constexpr const char* kOldPackageCallRead = "& ";
constexpr char kBlank = ' ';
constexpr char kAngleOpen = '<';
constexpr char kAngleClose = '>';

bool IsSigil(char c) {
    return c == '$' || c == '@' || c == '%';
}
} // namespace

CMirtParserPerl::CMirtParserPerl() : CMirtParser(kSyntax) {}

int CMirtParserPerl::BeginFile(const std::string& strFileName) {
    m_bInPod = 0;
    return CMirtParser::BeginFile(strFileName);
}

void CMirtParserPerl::EndFile() {}

void CMirtParserPerl::ParseLine(std::string strLine, CWordList& words) {
    UpdatePod(strLine);
    const std::string from = kOldPackageCall;
    for (size_t at = strLine.find(from); at != std::string::npos; at = strLine.find(from, at + 1))
        strLine.replace(at, from.size(), kOldPackageCallRead);
    CMirtParser::ParseLine(std::move(strLine), words);
    Recategorise(words);
}

// The line that opens a POD block belongs to it; "=cut  " with blanks does not close it.
void CMirtParserPerl::UpdatePod(const std::string& strLine) {
    if (strLine.empty() || strLine[0] != kPodCommand)
        return;
    if (!m_bInPod)
        m_bInPod = 1;
    else if (strLine == kPodEnd)
        m_bInPod = 0;
}

// A literal word is prose only with a blank beside it, and a run of words from "<" up to
// the word followed by ">" is markup; such words get category 0 and are never checked.
void CMirtParserPerl::Recategorise(CWordList& words) const {
    bool bAngle = false;
    for (SWord& w : words) {
        if (m_bInPod)
            w.nCategory = CATEGORY_COMMENT;
        else if (IsSigil(w.chBefore))
            w.nCategory = CATEGORY_CODE;
        if (w.nCategory != CATEGORY_LANGUAGE)
            continue;
        if (w.chBefore != kBlank && w.chAfter != kBlank)
            w.nCategory = CATEGORY_NONE;
        if (w.chBefore == kAngleOpen) {
            w.nCategory = CATEGORY_NONE;
            if (w.chAfter != kAngleClose)
                bAngle = true;
        } else if (bAngle) {
            w.nCategory = CATEGORY_NONE;
            if (w.chAfter == kAngleClose)
                bAngle = false;
        }
    }
}
