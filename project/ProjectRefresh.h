// Keeping the project in step with the disk: the refresh pass over changed, missing and
// added files, the pass after the syntax associations changed, adding files, and the
// watcher over the project's folders that tells when a refresh has work to do.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "watch/WatchDirList.h"

class CDirChangesWatcher;
class CMirtDoc;

class CProjectRefresh {
public:
    explicit CProjectRefresh(CMirtDoc& doc);
    ~CProjectRefresh();
    CProjectRefresh(const CProjectRefresh&) = delete;
    CProjectRefresh& operator=(const CProjectRefresh&) = delete;

    // Drops files gone from the disk, asks about files changed since their check and
    // about new files in the project's folders, then rebuilds the watcher. Forced when a
    // project is opened and after a run in the window; unforced on activation, when it
    // runs only if the watcher saw a change (or there is no watcher).
    void RefreshFiles(bool bForce);
    // After the syntax associations changed: files whose syntax changed lose their
    // check, and the user is offered to check them again.
    void ReassociateFiles();
    // The document side of "Add Files...": the files in the given order.
    void AddFiles(const std::vector<std::string>& paths);

    // The folders to watch: the project's folders, then the folder of each file.
    CWatchDirList BuildWatchDirList() const;
    // Replaces the watcher by a new one over BuildWatchDirList(); the old one goes first.
    void RebuildWatcher();
    bool HasWatcher() const { return m_pWatcher != nullptr; }
    // False without a watcher.
    bool WatcherSawChange() const;
    // Blocks until the watcher sees every later change; nothing without a watcher.
    void WaitForWatcherSetUp();
    // The next unforced refresh then runs whatever the disk did.
    void DropWatcher();

private:
    CMirtDoc& m_doc;
    std::unique_ptr<CDirChangesWatcher> m_pWatcher; // none until the first rebuild
};
