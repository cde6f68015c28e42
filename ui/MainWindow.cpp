// The window's event loop.
#include "ui/MainWindow.h"

#include <QApplication>

#include "ui/MainFrame.h"

int RunMainWindow(CMirtDoc& doc, CMirtAppContext& app, CRecentFileList& recentFiles) {
    CMainFrame frame(doc, app, recentFiles);
    frame.show();
    return QApplication::exec();
}
