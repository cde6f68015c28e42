// Start-up registers the parsers in their fixed order and loads their associations;
// exit stores them, through the real settings file as well.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/MirtApp.h"
#include "platform/SettingsStore.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
class CSilentDisplay : public CMessageDisplay {
public:
    int ShowMessage(const std::string&, unsigned, unsigned) override { return IDOK; }
};

// Runs start-up as far as it goes with "-h" (parsers and settings are loaded before the
// command line is read), then exit.
void StartAndExit(CMirtApp& app) {
    const char* const argv[] = {"-h"};
    testing::internal::CaptureStdout();
    EXPECT_FALSE(app.InitInstance(1, argv));
    app.ExitInstance();
    testing::internal::GetCapturedStdout();
}

size_t CountOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}
} // namespace

TEST(ParserStartup, BuiltInParsersComeInTheirFixedOrder) {
    CMemorySettingsStore settings;
    CSilentDisplay display;
    CMirtApp app(settings, display, "/opt/mirt/");
    StartAndExit(app);
    ASSERT_EQ(app.m_parsers.GetSize(), 2u);
    EXPECT_EQ(app.m_parsers.GetAt(0)->GetId(), 0);
    EXPECT_EQ(app.m_parsers.GetAt(1)->GetId(), 6);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/main.cpp")->GetId(), 0);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/app.rc")->GetId(), 6);
}

TEST(ParserStartup, StoredAssociationsAreLoadedAndWrittenBackAtExit) {
    CMemorySettingsStore settings;
    settings.WriteString("Parsers", "Resource", "rc dlg");
    CSilentDisplay display;
    CMirtApp app(settings, display, "/opt/mirt/");
    StartAndExit(app);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/about.dlg")->GetId(), 6);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/app.rc2")->GetId(), -1);
    EXPECT_EQ(settings.GetString("Parsers", "Resource", "?"), "rc dlg");
    EXPECT_EQ(settings.GetString("Parsers", "C/C++/C#", "?"), "cpp c cs h odl idl");
}

TEST(ParserStartup, ASlashedParserNameStaysOneKeyInTheSettingsFile) {
    CTempDir config;
    auto run = [&] {
        SProcessResult r = RunProgram(MirtProgram(), {"-h"}, {{"XDG_CONFIG_HOME", config.Path()}});
        EXPECT_EQ(r.nExitCode, 0);
        return ReadWholeFile(config / "Halvenik/Mirtora.conf");
    };
    std::string text = run();
    ASSERT_EQ(CountOf(text, "=cpp c cs h odl idl\n"), 1u) << text;
    EXPECT_EQ(CountOf(text, "=rc rc2\n"), 1u) << text;
    EXPECT_EQ(CountOf(text, "[Parsers/"), 0u) << text;
    EXPECT_EQ(CountOf(text, "[C"), 0u) << text;

    // The value written back is the one read at start-up, so the key was found again.
    size_t at = text.find("=cpp c cs h odl idl\n");
    text.replace(at, 20, "=c cpp\n");
    config.WriteFile("Halvenik/Mirtora.conf", text);
    text = run();
    EXPECT_EQ(CountOf(text, "=c cpp\n"), 1u) << text;
    EXPECT_EQ(CountOf(text, "odl"), 0u) << text;
}
