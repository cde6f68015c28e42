// What batch mode does beyond the classic switches, for CI and the terminal: the
// format of standard output, the exit status that gates a job, the categories to
// check, and word lists in and out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class CMirtCommandLineInfo;

enum class EOutputFormat { Classic, Lines, Json, Sarif };

struct SBatchOptions {
    EOutputFormat eFormat = EOutputFormat::Classic;
    bool bExitCode = false;
    // Category bits (1 strings, 2 comments, 4 code) when the switch was given.
    std::optional<int32_t> nSpelling;
    std::optional<int32_t> nProfanity;
    std::string strWordsFile;
    std::string strExportWordsFile;
    // The threads a check run may use; 0 = one per core.
    unsigned nThreads = 0;
};

// "lines", "json" or "sarif", any case.
std::optional<EOutputFormat> ParseOutputFormat(const std::string& strText);
// A comma list of "strings", "comments" and "code", or "all" or "none", any case.
std::optional<int32_t> ParseCategories(const std::string& strText);
// The project's check options with the categories given replaced: spelling in the
// low bits, indecent words four bits up.
int32_t ApplyCategories(int32_t nOptions, const SBatchOptions& options);

// A whole number of threads from 1 to 1024.
std::optional<unsigned> ParseThreadCount(const std::string& strText);

// The options of the command line; false with a message for the user when a value
// is not understood.
bool ReadBatchOptions(const CMirtCommandLineInfo& cmdInfo, SBatchOptions& options,
                      std::string& strError);
