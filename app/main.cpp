// Entry point: picks the platform implementations and runs the application object.

#include "app/MirtApp.h"
#include "platform/MessageDisplay.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/QtSettingsStore.h"

int main(int argc, char** argv) {
    CQtSettingsStore settings;
    CConsoleMessageDisplay display;
    CMirtApp app(settings, display, GetProgramFolder());
    int nExitCode = app.InitInstance(argc - 1, argv + 1) ? app.Run() : app.GetExitCode();
    app.ExitInstance();
    settings.Sync();
    return nExitCode;
}
