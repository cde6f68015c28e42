// The names in a folder, taken all at once so that what a copy creates is never copied.
#pragma once

#include <string>
#include <vector>

// Fills names with the folder's entries but "." and "..", sorted; false when the folder
// cannot be read.
bool ListFolderNames(const std::string& strFolder, std::vector<std::string>& names);
