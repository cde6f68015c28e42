// How the document tells its views what changed. A check run posts from its own
// thread; each view carries the notification over to its own thread.
#pragma once

#include <cstdint>
#include <memory>

#include "project/RefCounter.h"
#include "project/SpellFile.h"

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
};

constexpr int NOTIFY_REBUILD = 0;   // argument 1: a run is starting
constexpr int NOTIFY_FILE = 2;      // one file's row changed
constexpr int NOTIFY_RUN_ENDED = 8; // statistics, or none when nothing was checked

struct SViewNotification {
    int nCode = NOTIFY_REBUILD;
    int nArgument = 0;
    CRefPtr<CSpellFile> pFile;
    std::unique_ptr<SCheckStats> pStats;
};

class CMirtDocView {
public:
    virtual ~CMirtDocView() = default;
    // May be called on the checking thread.
    virtual void PostNotification(SViewNotification notification) = 0;
};
