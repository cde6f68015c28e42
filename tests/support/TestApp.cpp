// Test application context, message recorder and notification recorder.
#include "tests/support/TestApp.h"

#include <utility>

int CRecordingDisplay::ShowMessage(const std::string& strText, unsigned nType, unsigned) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back(strText);
    m_types.push_back(nType);
    if ((nType & 0x0F) == MB_OK)
        return IDOK;
    if (m_answers.empty())
        return m_nDefaultAnswer;
    int nAnswer = m_answers.front();
    m_answers.pop_front();
    return nAnswer;
}

std::vector<std::string> CRecordingDisplay::Messages() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

std::vector<unsigned> CRecordingDisplay::Types() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_types;
}

void CRecordingDisplay::QueueAnswer(int nAnswer) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(nAnswer);
}

CTestApp::CTestApp(std::string strProgramFolder)
    : CMirtAppContext(settings, display, std::move(strProgramFolder)) {}

void CRecordingView::PostNotification(SViewNotification notification) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_codes.emplace_back(notification.nCode, notification.nArgument);
        if (notification.nCode == NOTIFY_RUN_ENDED) {
            m_runEndHadStats.push_back(notification.pStats != nullptr);
            m_runEnds.push_back(std::move(notification.pStats));
        }
    }
    m_wake.notify_all();
}

bool CRecordingView::WaitForRunEnd(SCheckStats* pStats, bool* pHadStats) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_wake.wait_for(lock, std::chrono::seconds(60), [this] { return !m_runEnds.empty(); }))
        return false;
    if (pHadStats)
        *pHadStats = m_runEndHadStats.front();
    if (pStats && m_runEnds.front())
        *pStats = *m_runEnds.front();
    m_runEnds.pop_front();
    m_runEndHadStats.pop_front();
    return true;
}

std::vector<std::pair<int, int>> CRecordingView::Codes() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_codes;
}

void CRecordingView::OnRunSkipped(ERunSkipped eReason) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reports.push_back(eReason == ERunSkipped::NothingToCheck ? "nothing to check"
                                                               : "all checked");
}

void CRecordingView::OnFileBegun(const std::string& strPath) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reports.push_back("begun " + strPath);
}

void CRecordingView::OnFileResult(const SFileResult& result) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (result.eOutcome == SFileResult::Checked)
        m_reports.push_back("checked " + std::to_string(result.nSpelling) + " " +
                            std::to_string(result.nProfanity));
    else
        m_reports.push_back(result.eOutcome == SFileResult::NoParser ? "no parser" : "not checked");
}

std::vector<std::string> CRecordingView::TakeReports() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_reports, {});
}
