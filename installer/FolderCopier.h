// Copies the contents of an old company folder into the current one without replacing
// anything: a file that is already there stays, and the copy takes the next free
// "Copy of" name beside it.
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

class CFolderCopier {
public:
    // Copies the contents of strSource into strDestination; both must be existing
    // folders, otherwise nothing is copied. Raises CFExeption when the source is missing
    // or a folder or file cannot be created; what was copied before stays.
    void Copy(const std::string& strSource, const std::string& strDestination);

private:
    void CopyContents(const std::string& strSourceFolder, const std::string& strDestFolder);
    void CopySubfolder(const std::string& strSource, const std::string& strTarget);

    // How many more subfolders may be entered; -1 is unlimited. It only runs out when the
    // destination lies inside the source, so the copy cannot chase its own output.
    std::int32_t m_nSubfolderBudget = -1;
    // Folders being copied right now (device, inode), so a link back up is not followed.
    std::vector<std::pair<dev_t, ino_t>> m_activeFolders;
};
