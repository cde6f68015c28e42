// Start-up fills the engine registry and selects the stored engine.
#include <gtest/gtest.h>

#include "app/MirtApp.h"
#include "engines/MirtSpellEngines.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

TEST(EngineStartup, StartUpLoadsTheEnginesBeforeTheCommandLineEndsIt) {
    CMemorySettingsStore settings;
    settings.WriteInt("", "SpellEngine", 1);
    CConsoleMessageDisplay display;
    CMirtApp app(settings, display, GetProgramFolder());
    const char* const argv[] = {"-h"};
    testing::internal::CaptureStdout();
    EXPECT_FALSE(app.InitInstance(1, argv));
    fflush(stdout);
    testing::internal::GetCapturedStdout();

    CMirtSpellEngines& engines = CMirtSpellEngines::Instance();
    EXPECT_EQ(engines.GetSize(), 2);
    EXPECT_EQ(engines.GetCurrent()->GetName(), "MS Word");
    // Word is reached through this platform's port, which has no Word to start.
    EXPECT_EQ(engines.GetCurrent()->Start(), 0);
    engines.Reset();
}

// The Options dialog stores the engine chosen; with MS Word, which this platform cannot
// start, the next run ends before any file with the engine's message.
TEST(EngineStartup, ARunWithMsWordChosenSaysItCannotStart) {
    CTempDir dir;
    dir.WriteFile("config/Halvenik/Mirtora.conf", "[General]\nSpellEngine=1\n");
    dir.WriteFile("src/a.cpp", "const char* s = \"Helo\";\n");
    SProcessResult r =
        RunProgram(MirtProgram(), {"-console", "--add-folder", dir / "src", dir / "p.mrk"},
                   {{"XDG_CONFIG_HOME", dir / "config"}});
    // A console message has no line end of its own, and a run that checked nothing has
    // no summary.
    EXPECT_EQ(r.strStdout, "Couldn't start MS Word. Please make sure that MS Word is installed "
                           "properly");
    EXPECT_NE(r.nExitCode, 0);
}
