// Command line parsing.
#include "app/MirtCommandLineInfo.h"

#include <strings.h>
#include <utility>

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
    } else if (m_bExpectFolder) {
        m_addFolders.push_back(strParam);
        m_bExpectFolder = 0;
    } else if (m_bExpectMask) {
        m_strMask = strParam;
        m_bExpectMask = 0;
    } else if (std::string* pValue = PendingValue()) {
        *pValue = strParam;
        m_ePending = EPending::None;
    } else {
        m_strFileName = strParam;
        m_nShellCommand = FileOpen;
    }
}

void CMirtCommandLineInfo::ClearPending() {
    m_bExpectOutputPath = 0;
    m_bExpectFolder = 0;
    m_bExpectMask = 0;
    m_ePending = EPending::None;
}

std::string* CMirtCommandLineInfo::PendingValue() {
    switch (m_ePending) {
    case EPending::Format:
        return &m_strFormat;
    case EPending::Check:
        return &m_strCheck;
    case EPending::Profanity:
        return &m_strProfanity;
    case EPending::Words:
        return &m_strWordsFile;
    case EPending::ExportWords:
        return &m_strExportWordsFile;
    case EPending::Threads:
        return &m_strThreads;
    default:
        return nullptr;
    }
}

bool CMirtCommandLineInfo::ParseBatchSwitch(const std::string& strSwitch) {
    static const std::pair<const char*, EPending> kValueSwitches[] = {
        {"-format", EPending::Format},
        {"-check", EPending::Check},
        {"-profanity", EPending::Profanity},
        {"-words", EPending::Words},
        {"-export-words", EPending::ExportWords},
        {"-threads", EPending::Threads}};
    for (const auto& [pszName, ePending] : kValueSwitches) {
        if (strcasecmp(strSwitch.c_str(), pszName) == 0) {
            ClearPending();
            m_ePending = ePending;
            return true;
        }
    }
    if (strcasecmp(strSwitch.c_str(), "-exit-code") == 0) {
        ClearPending();
        m_bExitCode = 1;
    } else if (strcasecmp(strSwitch.c_str(), "-version") == 0) {
        ClearPending();
        m_bVersion = 1;
    } else {
        return false;
    }
    return true;
}

// An unknown switch leaves a pending value pending, so "-o -x out p" still takes
// "out" as the report.
void CMirtCommandLineInfo::ParseSwitch(const std::string& strSwitch) {
    auto isOne = [&](const char* pszName) { return strcasecmp(strSwitch.c_str(), pszName) == 0; };
    if (Is(strSwitch, "-help", "h")) {
        ClearPending();
        m_bHelp = 1;
    } else if (isOne("console")) {
        ClearPending();
        m_bConsole = 1;
    } else if (Is(strSwitch, "-out", "o")) {
        ClearPending();
        m_bExpectOutputPath = 1;
    } else if (Is(strSwitch, "-noupdate", "n")) {
        ClearPending();
        m_bUpdate = 0;
    } else if (Is(strSwitch, "-reportonlyerrors", "e")) {
        ClearPending();
        m_bReportOnlyErrors = 1;
    } else if (Is(strSwitch, "-reset", "r")) {
        ClearPending();
        m_bReset = 1;
    } else if (isOne("-add-folder")) {
        ClearPending();
        m_bExpectFolder = 1;
    } else if (isOne("-mask")) {
        ClearPending();
        m_bExpectMask = 1;
    } else if (!ParseBatchSwitch(strSwitch)) {
        m_unknownSwitches.push_back("-" + strSwitch);
    }
}
