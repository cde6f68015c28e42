// Copy errors and their report.
#include "installer/FExeption.h"

#include <cstdio>
#include <system_error>

CFExeption::CFExeption(const std::string& strMessage) : std::runtime_error(strMessage) {}

CFExeption::CFExeption(int nError, const std::string& strPath)
    : std::runtime_error(strPath + ": " + std::system_category().message(nError)) {}

void ReportCopyError(const std::string& strText) {
    std::fprintf(stderr, "tessmor: %s\n", strText.c_str());
}
