// The main window over the test project, with scripted file choosers and helpers to
// read its menus, select rows and run its commands.
#pragma once

#include <QString>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/RecentFileList.h"
#include "tests/ui_support/UiFixture.h"

class CMainFrame;
class CMirtView;
class CResultsModel;
class QAction;
class QMenu;

class CFrameTest : public CUiTest {
protected:
    using Strings = std::vector<std::string>;

    void TearDown() override;

    // The window, made on first use (after the test's own runs).
    CMainFrame& Frame();
    CMirtView& View();
    CResultsModel& Model();
    QAction* Action(int nId);
    // The items of a menu bar menu, "" for a separator.
    Strings MenuTexts(const QString& strTitle);
    static Strings MenuTexts(const QMenu* pMenu);
    // The popup of a menu whose title starts so, or null.
    static QMenu* Popup(const QMenu* pMenu, const QString& strTitleStart);
    // Waits for the Results dialog of the run that is ending and closes it.
    void CloseResults();
    // One line per row: a file's name, or a finding as "  word line:pos".
    Strings Rows();
    int RowOf(const std::string& strRow);
    // Selects these rows only, as clicks with Ctrl would.
    void Select(const Strings& rows);
    void ExpandAll();

    CRecentFileList recent;
    std::shared_ptr<CScriptedDialogs> pDialogs = std::make_shared<CScriptedDialogs>();
    std::deque<std::string>& chosen = pDialogs->projects;
    std::vector<bool>& chooserAsked = pDialogs->projectAsks;
    std::unique_ptr<CMainFrame> pFrame;
};
