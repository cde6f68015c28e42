// A token parser, so that check-run tests exercise the run's own rules rather than a
// real syntax.
#pragma once

#include <string>
#include <vector>

#include "engines/MirtSpellEngine.h"
#include "parsers/MirtParser.h"

// Blank-separated tokens "<category>:<word>[@call,call]"; "darn" is indecent.
class CTokenParser : public CMirtParser {
public:
    CTokenParser() { SetExtensions("txt"); }
    int32_t GetId() const override { return 0; }
    void ParseLine(std::string strLine, CWordList& words) override {
        size_t nPos = 0;
        while (nPos < strLine.size()) {
            size_t nEnd = strLine.find(' ', nPos);
            if (nEnd == std::string::npos)
                nEnd = strLine.size();
            std::string token = strLine.substr(nPos, nEnd - nPos);
            if (token.size() > 2 && token[1] == ':')
                words.push_back(MakeWord(token, static_cast<int32_t>(nPos)));
            nPos = nEnd + 1;
        }
    }
    int CheckLanguageWord(const std::string& w, std::vector<std::string>& s) override {
        return m_pEngine->CheckWord(w, s);
    }
    int CheckCommentWord(const std::string& w, std::vector<std::string>& s) override {
        return m_pEngine->CheckWord(w, s);
    }
    int CheckCodeWord(const std::string& w, std::vector<std::string>& s) override {
        return m_pEngine->CheckWord(w, s);
    }
    int CheckProfanity(const std::string& w, std::vector<std::string>& s) override {
        if (w == "darn")
            s.push_back("****");
        return 1;
    }

private:
    static SWord MakeWord(const std::string& token, int32_t nPos) {
        SWord word;
        word.nCategory = token[0] - '0';
        word.nPos = nPos + 2;
        std::string rest = token.substr(2);
        size_t nAt = rest.find('@');
        word.strWord = rest.substr(0, nAt);
        while (nAt != std::string::npos) {
            size_t nNext = rest.find(',', nAt + 1);
            word.calls.push_back(rest.substr(nAt + 1, nNext - nAt - 1));
            nAt = nNext;
        }
        return word;
    }
};
