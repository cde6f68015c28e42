// Console view.
#include "app/ConsoleView.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ConsoleOutput.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "project/ResultText.h"

std::string FormatRunSummary(const SCheckStats& stats) {
    long nSpelling =
        static_cast<long>(stats.nSpellingLanguage) + stats.nSpellingComment + stats.nSpellingCode;
    long nProfanity = static_cast<long>(stats.nProfanityLanguage) + stats.nProfanityComment +
                      stats.nProfanityCode;
    long nFiles = stats.nFilesChecked;
    long nWithErrors = stats.nFilesWithErrors;
    char buffer[512];
    std::snprintf(buffer, sizeof(buffer),
                  "Spelling check complete.\n   %ld file%s checked;\n   %ld file%s %s errors;\n"
                  "   %ld spelling error%s found;\n   %ld indecent word%s found.",
                  nFiles, nFiles == 1 ? "" : "s", nWithErrors, nWithErrors == 1 ? "" : "s",
                  nWithErrors == 1 ? "has" : "have", nSpelling, nSpelling == 1 ? "" : "s",
                  nProfanity, nProfanity == 1 ? "" : "s");
    return buffer;
}

// For benchmarks: set MIRT_RUN_STATS to have how the run went on standard error.
std::string FormatRunStats(const SCheckStats& stats) {
    return "mirt: run stats: words " + std::to_string(stats.nWords) + ", engine calls " +
           std::to_string(stats.nEngineCalls) + ", distinct engine words " +
           std::to_string(stats.nDistinctWords) + ", cache hits " +
           std::to_string(stats.nCacheHits) + ", threads " + std::to_string(stats.nThreads) + "\n";
}

CConsoleView::CConsoleView(CMirtDoc& doc, CMirtAppContext& app, SConsoleOutput output)
    : m_doc(doc), m_app(app), m_output(output) {
    m_doc.AddView(this);
}

CConsoleView::~CConsoleView() {
    m_doc.RemoveView(this);
}

void CConsoleView::PostNotification(SViewNotification notification) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(std::move(notification));
    }
    m_wake.notify_one();
}

void CConsoleView::OnRunSkipped(ERunSkipped eReason) {
    ConsoleWrite(eReason == ERunSkipped::NothingToCheck
                     ? "Nothing to check\n"
                     : "All files already have been checked; use -r option to reset "
                       "spellchecking results\n");
}

// The path, then whatever the check of the file shows, then the end of the line.
void CConsoleView::OnRunBegun(size_t nFiles) {
    m_nRunFiles = nFiles;
    m_nBegun = 0;
}

void CConsoleView::OnFileBegun(const std::string& strPath) {
    ++m_nBegun;
    if (m_output.bProgress)
        ConsoleShowProgress("[" + std::to_string(m_nBegun) + "/" + std::to_string(m_nRunFiles) +
                            "] " + strPath);
    if (m_output.bListFiles)
        ConsoleWrite(strPath);
}

void CConsoleView::OnFileResult(const SFileResult& result) {
    if (!m_output.bListFiles)
        return;
    if (result.eOutcome == SFileResult::NoParser)
        ConsoleWrite(" - No parser found");
    else if (result.eOutcome == SFileResult::Checked)
        ConsoleWrite(result.nSpelling + result.nProfanity == 0
                         ? std::string(" - OK")
                         : FormatResultCounts(result.nSpelling, result.nProfanity));
    ConsoleWrite("\n");
    ConsoleFlush();
}

void CConsoleView::Interrupt() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bInterrupted = true;
    }
    m_wake.notify_one();
}

std::optional<SViewNotification> CConsoleView::WaitForNotification() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_queue.empty() || (m_bInterrupted && !m_bCancelled); });
    if (m_bInterrupted && !m_bCancelled) {
        m_bCancelled = true;
        return std::nullopt;
    }
    SViewNotification notification = std::move(m_queue.front());
    m_queue.pop_front();
    return notification;
}

void CConsoleView::RunToEnd() {
    m_doc.ToggleRun();
    for (;;) {
        std::optional<SViewNotification> notification = WaitForNotification();
        if (!notification) {
            m_doc.CancelRun();
        } else if (notification->nCode == NOTIFY_RUN_ENDED) {
            OnRunEnded(notification->pStats.get());
            return;
        }
    }
}

void CConsoleView::OnRunEnded(const SCheckStats* pStats) {
    ConsoleClearProgress();
    if (pStats != nullptr) {
        std::string text = "\n" + FormatRunSummary(*pStats);
        if (!m_app.m_strOutputPath.empty())
            text += "\nResults are stored in " + m_app.m_strOutputPath;
        ConsoleWrite(text + "\n");
        if (std::getenv("MIRT_RUN_STATS") != nullptr)
            ConsoleWriteError(FormatRunStats(*pStats));
    }
    bool bHasFiles;
    {
        std::lock_guard<std::recursive_mutex> lock(m_doc.GetLock());
        bHasFiles = !m_doc.m_files.empty();
    }
    if (bHasFiles) {
        if (!m_app.m_strOutputPath.empty() &&
            !m_doc.WriteReport(m_app.m_strOutputPath, m_app.m_bReportOnlyErrors))
            m_app.SetErrored();
        if (!m_doc.OnSaveDocument(m_doc.GetPathName()))
            m_app.SetErrored();
        m_app.m_strOutputPath.clear();
    }
    ConsoleFlush();
}
