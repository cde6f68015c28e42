// What the program asks of a spelling engine.
#pragma once

#include <memory>
#include <string>
#include <vector>

class CMirtSpellEngine {
public:
    virtual ~CMirtSpellEngine() = default;

    // Acquires what the engine needs for one check run; nonzero when started.
    [[nodiscard]] virtual int Start() = 0;
    // Releases what Start acquired and forgets per-run caches; always 1.
    virtual int Stop() = 0;
    // Appends suggestions for a word the engine finds misspelled to the END of the
    // list, never touching entries already there. 1 = answered, 0 = could not answer.
    virtual int CheckWord(std::string strWord, std::vector<std::string>& suggestions) = 0;
    virtual std::string GetName() const = 0;
    virtual std::string GetDescription() const = 0;

    // True once the engine lost what Start acquired (its server went away mid-run);
    // the run then ends as after a failed start.
    virtual bool HasFailed() const { return false; }

    // A new, stopped engine that answers every word as this one does, for another
    // thread; null when the engine has no such twin.
    virtual std::unique_ptr<CMirtSpellEngine> MakePeer() const { return nullptr; }
};
