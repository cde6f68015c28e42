// One folder the change watcher looks at.
#pragma once

#include <cstdint>
#include <string>

struct SWatchDir {
    std::string strPath;  // without a trailing separator; any length
    int32_t bSubtree = 0; // nonzero: every folder below it is watched too
};
