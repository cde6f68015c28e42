// The built-in word lists embedded in the program, byte for byte.
#pragma once

#include <cstdint>

// False when no list of that id is embedded.
bool FindKeywordResource(int nId, const char** ppData, uint32_t* pnSize);
