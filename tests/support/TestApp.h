// An application context for document tests: settings in memory, messages recorded
// with scripted answers, and an engine chosen by the test.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/MessageDisplay.h"
#include "platform/SettingsStore.h"
#include "project/MirtAppContext.h"
#include "project/MirtDocView.h"

class CRecordingDisplay : public CMessageDisplay {
public:
    int ShowMessage(const std::string& strText, unsigned nType, unsigned nHelpId) override;

    // Messages shown so far, and the box types they had.
    std::vector<std::string> Messages() const;
    std::vector<unsigned> Types() const;
    // Answers given to the next questions, in order; afterwards m_nDefaultAnswer.
    void QueueAnswer(int nAnswer);

    int m_nDefaultAnswer = IDNO;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_messages;
    std::vector<unsigned> m_types;
    std::deque<int> m_answers;
};

struct STestAppParts {
    CMemorySettingsStore settings;
    CRecordingDisplay display;
};

class CTestApp : private STestAppParts, public CMirtAppContext {
public:
    explicit CTestApp(std::string strProgramFolder = "/nonexistent/");

    CMirtSpellEngine* GetCurrentEngine() override { return m_pEngine; }

    CMemorySettingsStore& Settings() { return settings; }
    CRecordingDisplay& Display() { return display; }

    CMirtSpellEngine* m_pEngine = nullptr;
};

// Records the document's notifications and the run's reports, and lets a test wait
// for the end of a run.
class CRecordingView : public CMirtDocView {
public:
    void PostNotification(SViewNotification notification) override;
    // Reports read "nothing to check", "all checked", "begun <path>", "not checked",
    // "no parser" and "checked <spelling> <profanity>".
    void OnRunSkipped(ERunSkipped eReason) override;
    void OnFileBegun(const std::string& strPath) override;
    void OnFileResult(const SFileResult& result) override;
    // The reports since the last call.
    std::vector<std::string> TakeReports();

    // Waits (up to a generous bound) for the next end-of-run notification and returns
    // a copy of its statistics, or false when none came.
    bool WaitForRunEnd(SCheckStats* pStats = nullptr, bool* pHadStats = nullptr);
    std::vector<std::pair<int, int>> Codes() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<std::pair<int, int>> m_codes;
    std::vector<std::string> m_reports;
    std::deque<std::unique_ptr<SCheckStats>> m_runEnds;
    std::deque<bool> m_runEndHadStats;
};
