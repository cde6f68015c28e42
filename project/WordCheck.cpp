// One word through the parser's checks.
#include "project/WordCheck.h"

#include "parsers/MirtParser.h"
#include "parsers/WordCategory.h"
#include "project/CheckOptions.h"
#include "project/SpellError.h"

int32_t CheckParsedWord(CMirtParser& parser, const SWord& word, int32_t nCheckOptions,
                        std::vector<std::string>& suggestions) {
    const int32_t nCategory = word.nCategory;
    if (nCategory != CATEGORY_NONE && (nCheckOptions & ProfanityCheckBits(nCategory)) != 0) {
        parser.CheckProfanity(word.strWord, suggestions);
        if (!suggestions.empty())
            return KIND_PROFANITY;
    }
    if ((nCheckOptions & SpellingCheckBits(nCategory)) == 0)
        return KIND_SPELLING;
    if (nCategory == CATEGORY_LANGUAGE)
        parser.CheckLanguageWord(word.strWord, suggestions);
    else if (nCategory == CATEGORY_COMMENT)
        parser.CheckCommentWord(word.strWord, suggestions);
    else if (nCategory == CATEGORY_CODE)
        parser.CheckCodeWord(word.strWord, suggestions);
    return KIND_SPELLING;
}
