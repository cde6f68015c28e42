// The engine's answers during one check run, shared by every thread of the run. An
// engine's verdict on a word cannot change within a run, so each distinct word is
// asked once.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

class CSpellAnswerCache {
public:
    // True when the word was answered before; its suggestions are appended then.
    bool Lookup(const std::string& strWord, std::vector<std::string>& suggestions) const;
    // Keeps the first answer given for a word; a later one for the same word is the
    // same answer from another thread's speller.
    void Store(const std::string& strWord, const std::vector<std::string>& suggestions);
    size_t GetSize() const;

private:
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, std::vector<std::string>> m_answers;
};
