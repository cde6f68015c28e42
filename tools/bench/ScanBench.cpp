// Throughput of the C/C++ scanner and word checks: scans every regular file of a tree
// line by line, checks each word as a full check run would (every category spelled,
// and profanity) against an engine that accepts everything, and prints the rates.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "engines/MirtSpellEngine.h"
#include "parsers/MirtParserCpp.h"
#include "parsers/WordCategory.h"
#include "project/CheckOptions.h"

namespace {
constexpr int32_t kCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, CHECK_ALL_CATEGORIES);

class CAcceptingEngine : public CMirtSpellEngine {
public:
    int Start() override { return 1; }
    int Stop() override { return 1; }
    int CheckWord(std::string, std::vector<std::string>&) override { return 1; }
    std::string GetName() const override { return "none"; }
    std::string GetDescription() const override { return "accepts every word"; }
};

struct SCounts {
    uint64_t nFiles = 0;
    uint64_t nBytes = 0;
    uint64_t nWords = 0;
    uint64_t nFindings = 0;
};

void CheckWords(CMirtParser& parser, const CWordList& words, SCounts& counts) {
    std::vector<std::string> suggestions;
    for (const SWord& w : words) {
        ++counts.nWords;
        suggestions.clear();
        if (kCheckOptions & ProfanityCheckBits(w.nCategory))
            parser.CheckProfanity(w.strWord, suggestions);
        if (suggestions.empty() && (kCheckOptions & SpellingCheckBits(w.nCategory))) {
            if (w.nCategory == CATEGORY_LANGUAGE)
                parser.CheckLanguageWord(w.strWord, suggestions);
            else if (w.nCategory == CATEGORY_COMMENT)
                parser.CheckCommentWord(w.strWord, suggestions);
            else if (w.nCategory == CATEGORY_CODE)
                parser.CheckCodeWord(w.strWord, suggestions);
        }
        counts.nFindings += suggestions.empty() ? 0 : 1;
    }
}

// Lines end at LF, or at CR together with an LF right after it.
void ScanText(CMirtParser& parser, const std::string& text, SCounts& counts) {
    size_t nPos = 0;
    while (nPos < text.size()) {
        size_t nEnd = text.find_first_of("\r\n", nPos);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        CWordList words;
        parser.ParseLine(text.substr(nPos, nEnd - nPos), words);
        CheckWords(parser, words, counts);
        nPos = nEnd + 1;
        if (nEnd < text.size() && text[nEnd] == '\r' && nPos < text.size() && text[nPos] == '\n')
            ++nPos;
    }
}
} // namespace

int main(int argc, char** argv) {
    const std::string root = argc > 1 ? argv[1] : "/usr/include/c++/12";
    CMirtParserCpp parser;
    CAcceptingEngine engine;
    parser.SetContext(nullptr, &engine);
    SCounts counts;
    std::error_code ec;
    auto tStart = std::chrono::steady_clock::now();
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        std::ifstream in(it->path(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        parser.BeginFile(it->path().filename().string());
        ScanText(parser, text, counts);
        parser.EndFile();
        ++counts.nFiles;
        counts.nBytes += text.size();
    }
    if (ec) {
        std::fprintf(stderr, "mirt_scan_bench: %s: %s\n", root.c_str(), ec.message().c_str());
        return 1;
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
    std::printf("files %llu, bytes %llu, words %llu, rejected %llu\n",
                static_cast<unsigned long long>(counts.nFiles),
                static_cast<unsigned long long>(counts.nBytes),
                static_cast<unsigned long long>(counts.nWords),
                static_cast<unsigned long long>(counts.nFindings));
    std::printf("%.3f s, %.2f MB/s, %.0f words/s\n", seconds, counts.nBytes / 1e6 / seconds,
                counts.nWords / seconds);
    return 0;
}
