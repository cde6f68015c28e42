// Collects the files of a folder that match masks.
#pragma once

#include <string>
#include <vector>

// A folder the scan could not read, and why; batch mode names them, the window not.
struct SScanProblem {
    std::string strPath;
    std::string strReason;
};

// Appends, for each mask in turn ("*" and "?", case ignored; an empty mask is "*.*"),
// the full paths of the folder's matching files, then, when asked, those of its
// subfolders depth first: what one scan per mask would give, from one walk of the
// tree. Folders whose names begin with "." are never entered, and a folder reached
// again through a link is not entered twice. A folder that cannot be read contributes
// nothing and, when pProblems is given, is listed there.
void ScanFolderMasks(std::vector<std::string>& list, const std::string& strFolder,
                     const std::vector<std::string>& masks, bool bIncludeSubfolders,
                     std::vector<SScanProblem>* pProblems = nullptr);

// One mask.
void ScanFolder(std::vector<std::string>& list, const std::string& strFolder,
                const std::string& strMask, bool bIncludeSubfolders);
