// Copying one file beside what is already there, under the next free copy name.
#pragma once

#include <string>

// The name the next copy of strPath takes: "Copy of x", "Copy (1) of x", "Copy (2) of x"...
std::string NextCopyName(const std::string& strPath);

// Copies one file to strTarget, or to the first free copy name of it; never replaces a
// file. Raises CFExeption when the copy cannot be made.
void CopyOneFile(const std::string& strSource, std::string strTarget);
