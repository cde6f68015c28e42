// Lists typed as one text: file masks and extensions separated by blanks, commas or
// semicolons, where runs of separators count as one.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> SplitList(const std::string& strText);
