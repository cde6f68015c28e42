// The script parser family.
#include "parsers/MirtParserScript.h"

#include <string_view>

#include "parsers/KeywordList.h"
#include "parsers/WordCategory.h"

namespace {
// CreateObject("Scripting.FileSystemObject") and new ActiveXObject("...") leave this
// code part right before a literal that names a program, not text to check.
constexpr std::string_view kObjectPart = "Object";
constexpr char kEntityStart = '&';
constexpr char kEntityEnd = ';';
} // namespace

CMirtParserScript::CMirtParserScript(const SSyntaxTable& syntax) : CMirtParser(syntax) {}

void CMirtParserScript::ParseLine(std::string strLine, CWordList& words) {
    CMirtParser::ParseLine(std::move(strLine), words);
    std::vector<bool> remove(words.size());
    for (size_t k = 0; k < words.size(); ++k) {
        if (words[k].nCategory != CATEGORY_CODE || words[k].strWord != kObjectPart)
            continue;
        while (k + 1 < words.size() && words[k + 1].nCategory == CATEGORY_LANGUAGE)
            remove[++k] = true;
    }
    EraseMarked(words, remove);
    std::erase_if(words, [](const SWord& w) {
        return w.nCategory == CATEGORY_LANGUAGE && w.chBefore == kEntityStart &&
               w.chAfter == kEntityEnd;
    });
}
