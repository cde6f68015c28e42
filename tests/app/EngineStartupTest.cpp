// Start-up fills the engine registry and selects the stored engine.
#include <gtest/gtest.h>

#include "app/MirtApp.h"
#include "engines/MirtSpellEngines.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"

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
