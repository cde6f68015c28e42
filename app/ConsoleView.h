// Console mode's view of the document: it starts the run, prints a line per file as
// the run reports it, prints the summary when the run ends, writes the report and
// saves the project.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>

#include "project/MirtDocView.h"

class CMirtAppContext;
class CMirtDoc;

class CConsoleView : public CMirtDocView {
public:
    // bListFiles: a line per file as it is checked (not when standard output carries a
    // machine-read format).
    CConsoleView(CMirtDoc& doc, CMirtAppContext& app, bool bListFiles = true);
    ~CConsoleView() override;

    void PostNotification(SViewNotification notification) override;
    void OnRunSkipped(ERunSkipped eReason) override;
    void OnFileBegun(const std::string& strPath) override;
    void OnFileResult(const SFileResult& result) override;

    // Issues "Run" and handles the document's notifications until the run has ended.
    void RunToEnd();

private:
    SViewNotification WaitForNotification();
    void OnRunEnded(const SCheckStats* pStats);

    CMirtDoc& m_doc;
    CMirtAppContext& m_app;
    bool m_bListFiles;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<SViewNotification> m_queue;
};

// The closing summary of a console run.
std::string FormatRunSummary(const SCheckStats& stats);
