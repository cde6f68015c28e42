// The C/C++/C# parser.
#include "parsers/MirtParserCpp.h"

#include <array>
#include <string_view>

#include "parsers/KeywordList.h"
#include "parsers/WordCategory.h"

namespace {
// The classic extensions, then those of C++ common on Linux.
constexpr SSyntaxTable kSyntax =
    ReadAsC(0, "C/C++/C#", "cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl");
// Lines naming another file to read hold no text to check. The preprocessor allows
// blanks between "#" and the directive ("# include <vector>").
constexpr std::array<std::string_view, 2> kSkippedDirectives = {"include", "import"};
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kBlanks = " \t";

bool IsSkippedDirective(std::string_view line) {
    size_t nHash = line.find_first_not_of(kWhiteSpace);
    if (nHash == std::string_view::npos || line[nHash] != '#')
        return false;
    size_t nName = line.find_first_not_of(kBlanks, nHash + 1);
    if (nName == std::string_view::npos)
        return false;
    for (std::string_view directive : kSkippedDirectives)
        if (line.substr(nName).starts_with(directive))
            return true;
    return false;
}
} // namespace

CMirtParserCpp::CMirtParserCpp() : CMirtParserCpp(kSyntax) {}

CMirtParserCpp::CMirtParserCpp(const SSyntaxTable& syntax) : CMirtParser(syntax) {}

void CMirtParserCpp::ParseLine(std::string strLine, CWordList& words) {
    if (IsSkippedDirective(strLine))
        return; // the scanner state is left as it is
    CMirtParser::ParseLine(std::move(strLine), words);
    // A "%" before a string word marks a printf format (%s, %d); a "." before a comment
    // word joins it to the word before into a dotted name (CMainFrame.OnCreate).
    std::vector<bool> remove(words.size());
    for (size_t k = words.size(); k-- > 0;) {
        const SWord& w = words[k];
        if (w.nCategory == CATEGORY_LANGUAGE && w.chBefore == '%') {
            remove[k] = true;
        } else if (w.nCategory == CATEGORY_COMMENT && w.chBefore == '.') {
            remove[k] = true;
            if (k > 0)
                remove[--k] = true;
        }
    }
    EraseMarked(words, remove);
}
