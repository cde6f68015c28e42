// The counts of a file's result as the console, the report and the results list show
// them: " - 2 errors, 1 bad word", " - 1 error", " - 3 bad words"; empty when both are 0.
#pragma once

#include <string>

std::string FormatResultCounts(long nSpelling, long nProfanity);
