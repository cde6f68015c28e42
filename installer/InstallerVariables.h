// The installer's variables, read from the parameter block it passes to each entry point.
#pragma once

#include <string>

// The value of the variable strName ("REG_KEY_OLD", not "%REG_KEY_OLD%"), or "" when the
// block is null or has no slot named exactly "%" + strName + "%".
std::string GetInstallerVariable(const void* pBlock, const std::string& strName);
