// Command line parsing.
#include "app/MirtCommandLineInfo.h"

#include <strings.h>

namespace {
bool Is(const std::string& strSwitch, const char* pszLong, const char* pszShort) {
    return strcasecmp(strSwitch.c_str(), pszLong) == 0 ||
           strcasecmp(strSwitch.c_str(), pszShort) == 0;
}
} // namespace

void CMirtCommandLineInfo::ParseCommandLine(int argc, const char* const* argv) {
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        bool bFlag = !arg.empty() && arg[0] == '-';
        ParseParam(bFlag ? arg.substr(1) : arg, bFlag, i + 1 == argc);
    }
}

void CMirtCommandLineInfo::ParseParam(const std::string& strParam, bool bFlag, bool) {
    if (bFlag) {
        ParseSwitch(strParam);
    } else if (m_bExpectOutputPath) {
        m_strOutputPath = strParam;
        m_bExpectOutputPath = 0;
    } else {
        m_strFileName = strParam;
        m_nShellCommand = FileOpen;
    }
}

// An unknown switch leaves a pending output path pending, so "-o -x out p" still
// takes "out" as the report.
void CMirtCommandLineInfo::ParseSwitch(const std::string& strSwitch) {
    if (Is(strSwitch, "-help", "h")) {
        m_bHelp = 1;
        m_bExpectOutputPath = 0;
    } else if (strcasecmp(strSwitch.c_str(), "console") == 0) {
        m_bConsole = 1;
        m_bExpectOutputPath = 0;
    } else if (Is(strSwitch, "-out", "o")) {
        m_bExpectOutputPath = 1;
    } else if (Is(strSwitch, "-noupdate", "n")) {
        m_bUpdate = 0;
        m_bExpectOutputPath = 0;
    } else if (Is(strSwitch, "-reportonlyerrors", "e")) {
        m_bReportOnlyErrors = 1;
        m_bExpectOutputPath = 0;
    } else if (Is(strSwitch, "-reset", "r")) {
        m_bReset = 1;
        m_bExpectOutputPath = 0;
    }
}
