// Wildcard directory search with the classic matching rules: "*" and "?", letter case
// ignored, and "*.*" matching every name, also one without a dot.
#pragma once

#include <string>
#include <vector>

struct SDirEntry {
    std::string strName;
    bool bDirectory = false;
};

bool MatchesWildcard(const std::string& strMask, const std::string& strName);

// Appends the entries of the folder whose names match the mask, sorted by name with
// letter case ignored, so that listings come out the same on every file system ("."
// and ".." left out). False when the folder cannot be read.
bool ListDirectory(const std::string& strFolder, const std::string& strMask,
                   std::vector<SDirEntry>& entries);
