// Collects the files of a folder that match a mask.
#pragma once

#include <string>
#include <vector>

// Appends the full paths of the folder's files matching the mask ("*" and "?", case
// ignored; an empty mask is "*.*"), then, when asked, those of its subfolders depth
// first. Folders whose names begin with "." are never entered; a folder that cannot be
// read contributes nothing.
void ScanFolder(std::vector<std::string>& list, const std::string& strFolder,
                const std::string& strMask, bool bIncludeSubfolders);
