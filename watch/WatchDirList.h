// The folders a change watcher is built from, merged so that a folder already covered by
// a watched subtree is not listed twice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "watch/WatchDir.h"

class CWatchDirList : public std::vector<SWatchDir> {
public:
    // Adds the folder unless a record already covers it; a subtree folder takes over the
    // first record below it.
    void AddDir(const std::string& strPath, int32_t bSubtree);
};
