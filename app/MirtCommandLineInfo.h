// What the command line asks for: the project, the batch switches and help.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CMirtCommandLineInfo {
public:
    enum EShellCommand { FileNew, FileOpen };

    // Splits the arguments (without the program name): one that begins with "-" is a
    // switch and reaches ParseParam without that character; any other, "/..." paths
    // included, is a plain argument.
    void ParseCommandLine(int argc, const char* const* argv);

    // Called once per argument.
    void ParseParam(const std::string& strParam, bool bFlag, bool bLast);

    EShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;

    std::string m_strOutputPath;
    int32_t m_bUpdate = 1;
    int32_t m_bReset = 0;
    int32_t m_bReportOnlyErrors = 0;
    int32_t m_bHelp = 0;
    int32_t m_bConsole = 0;
    int32_t m_bExpectOutputPath = 0;

    // Beyond the classic switches, for use without a window: "--add-folder DIR"
    // (repeatable) and "--mask MASKS".
    std::vector<std::string> m_addFolders;
    std::string m_strMask;
    int32_t m_bExpectFolder = 0;
    int32_t m_bExpectMask = 0;

    // For CI and the terminal: "--format F", "--exit-code", "--check C",
    // "--profanity C", "--words FILE", "--export-words FILE", "--threads N" and
    // "--version". A value
    // switch not followed by a value leaves its field as it was.
    std::string m_strFormat;
    int32_t m_bExitCode = 0;
    std::string m_strCheck;
    std::string m_strProfanity;
    std::string m_strWordsFile;
    std::string m_strExportWordsFile;
    // "--threads N": the threads a check run may use.
    std::string m_strThreads;
    int32_t m_bVersion = 0;
    // The switches nobody knows, as typed ("--outt").
    std::vector<std::string> m_unknownSwitches;

private:
    // Where the next plain argument goes, for the value switches above.
    std::string* PendingValue();
    void ParseSwitch(const std::string& strSwitch);
    void ClearPending();
    bool ParseBatchSwitch(const std::string& strSwitch);

    enum class EPending { None, Format, Check, Profanity, Words, ExportWords, Threads };
    EPending m_ePending = EPending::None;
};
