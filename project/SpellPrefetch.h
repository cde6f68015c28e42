// Helper threads that read the run's coming files ahead of it, each with parsers and a
// speller of its own, and put the engine's answers into the run's cache.
// The run still checks every file in order through its own parsers and asks the
// cache before its engine, so its findings are the same whatever the helpers reached:
// they only save it engine calls. A helper never takes a file the run has reached.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

struct SWord;
class CMirtParsers;
class CMirtSpellEngine;
class CSpellAnswerCache;

class CSpellPrefetch {
public:
    struct SFile {
        std::string strPath;
        std::string strDisplayName; // what the parser is told at the file's start
        int32_t nSyntax;
    };
    // One helper's own parsers and speller, made on the run's thread.
    struct SHelperParts {
        std::unique_ptr<CMirtParsers> pParsers;
        std::unique_ptr<CMirtSpellEngine> pEngine;
    };

    CSpellPrefetch(CSpellAnswerCache& cache, std::vector<SFile> files, int32_t nCheckOptions);
    // Stops the helpers and waits for them.
    ~CSpellPrefetch();
    CSpellPrefetch(const CSpellPrefetch&) = delete;
    CSpellPrefetch& operator=(const CSpellPrefetch&) = delete;

    // Starts one helper per set of parts.
    void Start(std::vector<SHelperParts> helpers);
    // The run is at file nIndex: no helper takes it or a file before it.
    void Reached(size_t nIndex) { m_nReached.store(nIndex); }
    void Stop();
    size_t GetHelperCount() const { return m_nHelpers; }
    // Engine calls the helpers made; complete once they are stopped.
    uint64_t GetEngineCalls() const { return m_nEngineCalls.load(); }

private:
    void Work(SHelperParts& parts);
    using CSeenWords = std::unordered_set<uint64_t>;
    static uint64_t SeenKey(const SWord& word, int32_t nSyntax);
    void ReadAhead(CMirtParsers& parsers, const SFile& file, CSeenWords& seen);

    // How many files ahead of the run a helper starts.
    static constexpr size_t kLead = 16;
    [[nodiscard]] bool Claim(size_t& nIndex);

    CSpellAnswerCache& m_cache;
    const std::vector<SFile> m_files;
    const int32_t m_nCheckOptions;
    std::vector<SHelperParts> m_parts;
    std::atomic<size_t> m_nReached{0};
    std::atomic<size_t> m_nNext;
    std::atomic<bool> m_bStop{false};
    std::atomic<uint64_t> m_nEngineCalls{0};
    std::vector<std::thread> m_threads;
    size_t m_nHelpers = 0;
};
