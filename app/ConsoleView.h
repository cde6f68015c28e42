// Console mode's view of the document: it starts the run, prints a line per file as
// the run reports it, prints the summary when the run ends, writes the report and
// saves the project.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

#include "project/MirtDocView.h"

class CMirtAppContext;
class CMirtDoc;

struct SConsoleOutput {
    // A line per file as it is checked (not when standard output carries a
    // machine-read format).
    bool bListFiles = true;
    // A counter of the files on standard error, which is a terminal.
    bool bProgress = false;
};

class CConsoleView : public CMirtDocView {
public:
    CConsoleView(CMirtDoc& doc, CMirtAppContext& app, SConsoleOutput output = {});
    ~CConsoleView() override;

    void PostNotification(SViewNotification notification) override;
    void OnRunSkipped(ERunSkipped eReason) override;
    void OnRunBegun(size_t nFiles) override;
    void OnFileBegun(const std::string& strPath) override;
    void OnFileResult(const SFileResult& result) override;

    // Issues "Run" and handles the document's notifications until the run has ended.
    void RunToEnd();
    // Cancels the run from any thread, as "Run" does while one goes on; the run then
    // ends as usual, its report and project written.
    void Interrupt();

private:
    // The next notification; none when an interrupt is to be handled first.
    std::optional<SViewNotification> WaitForNotification();
    void OnRunEnded(const SCheckStats* pStats);

    CMirtDoc& m_doc;
    CMirtAppContext& m_app;
    SConsoleOutput m_output;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<SViewNotification> m_queue;
    bool m_bInterrupted = false; // guarded by m_mutex
    bool m_bCancelled = false;
    // The checking thread's count of the run's files, for the counter.
    size_t m_nRunFiles = 0;
    size_t m_nBegun = 0;
};

// The closing summary of a console run.
std::string FormatRunSummary(const SCheckStats& stats);
// How the run went about it, printed when MIRT_RUN_STATS is set.
std::string FormatRunStats(const SCheckStats& stats);
