// Entry point: picks the platform implementations and runs the application object.
// The window's application object exists only when the window is wanted, so console
// mode runs on a machine without any display.

#include <QApplication>

#include <cstdlib>

#include "app/InterruptWatch.h"
#include "app/MirtApp.h"
#include "app/MirtCommandLineInfo.h"
#include "platform/ConsoleOutput.h"
#include "platform/MessageDisplay.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/QtSettingsStore.h"
#include "ui/QtMessageDisplay.h"

namespace {
int RunApplication(CMessageDisplay& display, int argc, char** argv, bool bConsole) {
    CQtSettingsStore settings;
    CMirtApp app(settings, display, GetProgramFolder());
    if (bConsole)
        app.WatchInterrupts();
    int nExitCode = app.InitInstance(argc - 1, argv + 1) ? app.Run() : app.GetExitCode();
    app.ExitInstance();
    settings.Sync();
    return nExitCode;
}

bool HasDisplay() {
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* pszValue = std::getenv(pszName);
        if (pszValue != nullptr && *pszValue != '\0')
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char** argv) {
    CMirtCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(argc - 1, argv + 1);
    if (cmdInfo.m_bConsole || cmdInfo.m_bHelp || cmdInfo.m_bVersion) {
        // Before any thread starts, so that only the watch takes Ctrl-C.
        CInterruptWatch::BlockSignals();
        CConsoleMessageDisplay display;
        return RunApplication(display, argc, argv, true);
    }
    if (!HasDisplay()) {
        ConsoleWrite("mirt: there is no display to open the window on; "
                     "use mirt -console <project_file_path>\n");
        ConsoleFlush();
        return EXIT_CODE_USAGE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("MIRT");
    QApplication::setWindowIcon(QIcon::fromTheme("mirt"));
    CQtMessageDisplay display;
    return RunApplication(display, argc, argv, false);
}
