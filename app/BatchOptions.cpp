// Batch options from the command line.
#include "app/BatchOptions.h"

#include <strings.h>

#include "app/MirtCommandLineInfo.h"
#include "project/CheckOptions.h"

namespace {
bool Equal(const std::string& strText, const char* pszName) {
    return strcasecmp(strText.c_str(), pszName) == 0;
}

std::string Trimmed(const std::string& strText) {
    size_t nStart = strText.find_first_not_of(" \t");
    size_t nEnd = strText.find_last_not_of(" \t");
    return nStart == std::string::npos ? "" : strText.substr(nStart, nEnd - nStart + 1);
}

constexpr unsigned kMaxThreads = 1024;
} // namespace

std::optional<EOutputFormat> ParseOutputFormat(const std::string& strText) {
    if (Equal(strText, "lines"))
        return EOutputFormat::Lines;
    if (Equal(strText, "json"))
        return EOutputFormat::Json;
    if (Equal(strText, "sarif"))
        return EOutputFormat::Sarif;
    return std::nullopt;
}

std::optional<int32_t> ParseCategories(const std::string& strText) {
    int32_t nMask = 0;
    size_t nStart = 0;
    do {
        size_t nComma = strText.find(',', nStart);
        std::string strPart = Trimmed(strText.substr(nStart, nComma - nStart));
        if (Equal(strPart, "strings"))
            nMask |= CATEGORY_LANGUAGE;
        else if (Equal(strPart, "comments"))
            nMask |= CATEGORY_COMMENT;
        else if (Equal(strPart, "code"))
            nMask |= CATEGORY_CODE;
        else if (Equal(strPart, "all"))
            nMask |= CHECK_ALL_CATEGORIES;
        else if (!Equal(strPart, "none"))
            return std::nullopt;
        nStart = nComma == std::string::npos ? nComma : nComma + 1;
    } while (nStart != std::string::npos);
    return nMask;
}

int32_t ApplyCategories(int32_t nOptions, const SBatchOptions& options) {
    if (options.nSpelling)
        nOptions = (nOptions & ~SpellingCheckBits(CHECK_ALL_CATEGORIES)) | *options.nSpelling;
    if (options.nProfanity)
        nOptions = (nOptions & ~ProfanityCheckBits(CHECK_ALL_CATEGORIES)) |
                   ProfanityCheckBits(*options.nProfanity);
    return nOptions;
}

std::optional<unsigned> ParseThreadCount(const std::string& strText) {
    if (strText.empty() || strText.size() > 4 ||
        strText.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned nThreads = static_cast<unsigned>(std::stoul(strText));
    if (nThreads < 1 || nThreads > kMaxThreads)
        return std::nullopt;
    return nThreads;
}

bool ReadBatchOptions(const CMirtCommandLineInfo& cmdInfo, SBatchOptions& options,
                      std::string& strError) {
    if (!cmdInfo.m_strFormat.empty()) {
        std::optional<EOutputFormat> eFormat = ParseOutputFormat(cmdInfo.m_strFormat);
        if (!eFormat) {
            strError =
                "mirt: unknown format " + cmdInfo.m_strFormat + "; use lines, json or sarif\n";
            return false;
        }
        options.eFormat = *eFormat;
    }
    for (auto [pText, pMask] : {std::pair{&cmdInfo.m_strCheck, &options.nSpelling},
                                std::pair{&cmdInfo.m_strProfanity, &options.nProfanity}}) {
        if (pText->empty())
            continue;
        *pMask = ParseCategories(*pText);
        if (!*pMask) {
            strError = "mirt: unknown categories " + *pText +
                       "; use strings, comments, code (comma separated), all or none\n";
            return false;
        }
    }
    if (!cmdInfo.m_strThreads.empty()) {
        std::optional<unsigned> nThreads = ParseThreadCount(cmdInfo.m_strThreads);
        if (!nThreads) {
            strError = "mirt: --threads takes a whole number from 1 to " +
                       std::to_string(kMaxThreads) + ", not " + cmdInfo.m_strThreads + "\n";
            return false;
        }
        options.nThreads = *nThreads;
    }
    options.bExitCode = cmdInfo.m_bExitCode != 0;
    options.strWordsFile = cmdInfo.m_strWordsFile;
    options.strExportWordsFile = cmdInfo.m_strExportWordsFile;
    return true;
}
