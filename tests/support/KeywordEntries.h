// The entries of a built-in keyword list, for tests that walk a whole list.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> KeywordEntries(int nId);
