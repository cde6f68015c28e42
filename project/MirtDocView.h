// How the document tells its views what changed. A check run posts from its own
// thread; each view carries the notification over to its own thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "project/RefCounter.h"
#include "project/SpellFile.h"

class CRunMessage;

// Totals of one check run; only findings that count are counted.
struct SCheckStats {
    int32_t nFilesChecked = 0;
    int32_t nFilesWithErrors = 0;
    int32_t nSpellingLanguage = 0;
    int32_t nSpellingComment = 0;
    int32_t nSpellingCode = 0;
    int32_t nProfanityLanguage = 0;
    int32_t nProfanityComment = 0;
    int32_t nProfanityCode = 0;
    // How the run went about it: words checked, calls that reached the engine (on
    // every thread), distinct words the engine answered, answers taken from the run's
    // cache, and the threads that checked.
    uint64_t nWords = 0;
    uint64_t nEngineCalls = 0;
    uint64_t nDistinctWords = 0;
    uint64_t nCacheHits = 0;
    uint32_t nThreads = 1;
};

constexpr int NOTIFY_REBUILD = 0; // argument 1: a run is starting
// One file's row changed. The file's findings keep growing between the notification
// that its check began (status -2) and the one that it ended, so a reader takes the
// document lock and reads the findings as they are at that moment.
constexpr int NOTIFY_FILE = 2;
constexpr int NOTIFY_RUN_ENDED = 8; // statistics, or none when nothing was checked

struct SViewNotification {
    int nCode = NOTIFY_REBUILD;
    int nArgument = 0;
    // The document's generation when it was sent: a view drops what a former project's
    // run sent after the project was replaced.
    uint64_t nGeneration = 0;
    CRefPtr<CSpellFile> pFile;
    std::unique_ptr<SCheckStats> pStats;
};

// Why a run ended before it took up any file.
enum class ERunSkipped {
    NothingToCheck, // the project has no files
    AllChecked      // every file's check is up to date
};

// How one file of a run ended.
struct SFileResult {
    enum EOutcome {
        NotChecked, // needed no check, could not be read, or the run stopped first
        NoParser,
        Checked
    };
    EOutcome eOutcome = NotChecked;
    int nSpelling = 0; // findings that count, when checked
    int nProfanity = 0;
};

class CMirtDocView {
public:
    virtual ~CMirtDocView() = default;
    // May be called on the checking thread.
    virtual void PostNotification(SViewNotification notification) = 0;

    // What a run reports as it goes, called on the checking thread in order: the run
    // skipped, a file taken up, how it ended. Console mode prints them as its lines.
    virtual void OnRunSkipped(ERunSkipped) {}
    // The number of files the run is about to take up.
    virtual void OnRunBegun(size_t) {}
    virtual void OnFileBegun(const std::string&) {}
    virtual void OnFileResult(const SFileResult&) {}

    // A message raised on the checking thread. A view that shows messages takes it,
    // answers it on its own thread and returns true; the run waits for the answer.
    virtual bool PostRunMessage(const std::shared_ptr<CRunMessage>&) { return false; }
};
