// Application context shared with the project.
#include "project/MirtAppContext.h"

#include "platform/ConsoleOutput.h"

CMirtAppContext::CMirtAppContext(CSettingsStore& settings, CMessageDisplay& display,
                                 std::string strProgramFolder)
    : m_settings(settings), m_display(display), m_strProgramFolder(std::move(strProgramFolder)) {}

CMirtAppContext::~CMirtAppContext() = default;

int CMirtAppContext::MessageBox(const std::string& strText, unsigned nType, unsigned nHelpId) {
    return m_display.ShowMessage(strText, nType, nHelpId);
}

void CMirtAppContext::SetLastFolderChoice(const std::string& strPath, int32_t bIncludeSubfolders,
                                          const std::string& strMask) {
    m_strLastFolderPath = strPath;
    m_bLastIncludeSubfolders = bIncludeSubfolders ? 1 : 0;
    m_strLastFileMask = strMask;
}

void CMirtAppContext::ReportUnreadFolders(const std::vector<SScanProblem>& problems) {
    if (!m_bConsole || problems.empty())
        return;
    for (const SScanProblem& problem : problems)
        ConsoleWriteError("mirt: cannot read folder " + problem.strPath + ": " + problem.strReason +
                          "\n");
    SetErrored();
}
