// Takes the README's pictures of the real window: an empty project with its welcome,
// a checked project with two files expanded, a chosen suggestion and a selected
// finding, and the Edit menu with the popups of that finding. Run by
// tools/screenshots.sh under a virtual X display.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <string>

#include "app/MirtApp.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "project/MirtDoc.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"
#include "ui/QtMessageDisplay.h"
#include "ui/ResultsModel.h"

namespace {
// The menus are windows of their own, so the picture is the screen where the frame is.
bool Shoot(CMainFrame& frame, const std::string& strPath) {
    QTest::qWait(300); // lets the window system draw what the program painted
    QRect area = frame.frameGeometry();
    QPixmap picture =
        frame.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (!picture.save(QString::fromStdString(strPath))) {
        std::fprintf(stderr, "mirt_screenshots: cannot write %s\n", strPath.c_str());
        return false;
    }
    return true;
}

// Expands the first two files that have findings and chooses a suggestion in the first.
void ShowFindings(CMainFrame& frame, CMirtDoc& doc) {
    CMirtView& view = *frame.GetView();
    CResultsModel& model = view.GetModel();
    int nExpanded = 0;
    for (int nRow = 0; nRow < model.GetSize() && nExpanded < 2; ++nRow) {
        CSpellFile* pFile = model.GetFile(nRow);
        if (model.GetItem(nRow)->IsErrorRow() || !pFile->HasErrors())
            continue;
        view.ToggleExpand(nRow, pFile);
        if (nExpanded++ == 0 && doc.ChooseSuggestion(model.GetError(nRow + 1), 0))
            view.SelectRow(nRow + 2);
    }
    doc.SetModifiedFlag(false);
    frame.UpdateCommands();
}

// Opens the Edit menu, then its "Replace This" popup, for the selected finding.
void OpenEditMenu(CMainFrame& frame) {
    QMenu* pEdit = frame.GetMenu("&Edit");
    frame.menuBar()->setActiveAction(pEdit->menuAction());
    QTest::qWait(200);
    for (QAction* pAction : pEdit->actions())
        if (pAction->menu() && pAction->text().startsWith("Replace This")) {
            pEdit->setActiveAction(pAction);
            QTest::keyClick(pEdit, Qt::Key_Right);
        }
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mirt_screenshots <checked project.mrk> <folder>\n");
        return 2;
    }
    std::string strProject = argv[1];
    std::string strFolder = argv[2];
    QApplication application(argc, argv);
    CMemorySettingsStore settings;
    CQtMessageDisplay display;
    CMirtApp app(settings, display, GetProgramFolder());
    if (!app.InitInstance(0, nullptr))
        return 1;
    bool bDone = false;
    {
        CMainFrame frame(*app.GetDocument(), app, app.GetRecentFiles());
        frame.resize(980, 560);
        frame.show();
        if (QTest::qWaitForWindowExposed(&frame) && Shoot(frame, strFolder + "/window-empty.png") &&
            frame.OpenProject(strProject)) {
            ShowFindings(frame, *app.GetDocument());
            bDone = Shoot(frame, strFolder + "/window-checked.png");
            OpenEditMenu(frame);
            bDone = bDone && Shoot(frame, strFolder + "/window-edit-menu.png");
        }
    }
    app.ExitInstance();
    return bDone ? 0 : 1;
}
