// Start-up registers the parsers in their fixed order and loads their associations;
// exit stores them, through the real settings file as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

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
    const std::vector<std::tuple<int32_t, std::string, std::string>> expected = {
        {0, "C/C++/C#", "cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl"},
        {6, "Resource", "rc rc2"},
        {1, "VB", "vb frm ctl pag dsr bas cls res"},
        {2, "JAVA", "java"},
        {3, "HTML", "html htm"},
        {4, "VBScript", "vbs"},
        {5, "JavaScript", "js"},
        {7, "Perl", "pl pm"},
        {8, "PHP", "php"}};
    ASSERT_EQ(app.m_parsers.GetSize(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& [nId, name, extensions] = expected[i];
        const CMirtParser& p = *app.m_parsers.GetAt(i);
        EXPECT_EQ(p.GetId(), nId) << i;
        EXPECT_EQ(p.GetName(), name) << i;
        EXPECT_EQ(p.GetDefaultExtensions(), extensions) << name;
    }
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/main.cpp")->GetId(), 0);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/app.rc")->GetId(), 6);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/Form1.FRM")->GetId(), 1);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/index.htm")->GetId(), 3);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/lib/Util.pm")->GetId(), 7);
}

TEST(ParserStartup, EachBuiltInExtensionBelongsToOneSyntax) {
    CMemorySettingsStore settings;
    CSilentDisplay display;
    CMirtApp app(settings, display, "/opt/mirt/");
    StartAndExit(app);
    std::vector<std::string> seen;
    for (size_t i = 0; i < app.m_parsers.GetSize(); ++i) {
        const CMirtParser& p = *app.m_parsers.GetAt(i);
        EXPECT_EQ(p.GetExtensionsText(), p.GetDefaultExtensions()) << p.GetName();
        for (const std::string& ext : p.m_extensions) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), ext), 0) << ext;
            seen.push_back(ext);
            EXPECT_EQ(app.m_parsers.FindByFileName("/src/x." + ext), &p) << ext;
        }
    }
    for (int32_t nId = 0; nId <= 8; ++nId) {
        int nCount = 0;
        for (size_t i = 0; i < app.m_parsers.GetSize(); ++i)
            nCount += app.m_parsers.GetAt(i)->GetId() == nId ? 1 : 0;
        EXPECT_EQ(nCount, 1) << nId;
    }
}

TEST(ParserStartup, UserSyntaxesFollowTheBuiltInOnesBeforeTheAssociationsAreLoaded) {
    CTempDir program;
    program.WriteFile("pascal.ini", "[syntax]\nName=Pascal\nFileExtensions=pas, dpr;inc\n");
    program.WriteFile("broken.ini", "[syntax]\nFileExtensions=brk\n");
    program.WriteFile("ada.ini", "[syntax]\nName=Ada\nFileExtensions=adb\n");
    CMemorySettingsStore settings;
    settings.WriteString("Parsers", "Pascal", "pp");
    CSilentDisplay display;
    CMirtApp app(settings, display, program.Path() + "/");
    StartAndExit(app);
    ASSERT_EQ(app.m_parsers.GetSize(), 11u);
    EXPECT_EQ(app.m_parsers.GetAt(9)->GetName(), "Ada");
    EXPECT_EQ(app.m_parsers.GetAt(9)->GetId(), 1000);
    EXPECT_EQ(app.m_parsers.GetAt(10)->GetName(), "Pascal");
    EXPECT_EQ(app.m_parsers.GetAt(10)->GetId(), 1001);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/main.pp")->GetId(), 1001);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/main.pas")->GetId(), -1);
    EXPECT_EQ(app.m_parsers.FindByFileName("/src/x.brk")->GetId(), -1);
    EXPECT_EQ(settings.GetString("Parsers", "Ada", "?"), "adb");
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
    EXPECT_EQ(settings.GetString("Parsers", "C/C++/C#", "?"),
              "cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl");
}

TEST(ParserStartup, ASlashedParserNameStaysOneKeyInTheSettingsFile) {
    CTempDir config;
    auto run = [&] {
        SProcessResult r = RunProgram(MirtProgram(), {"-h"}, {{"XDG_CONFIG_HOME", config.Path()}});
        EXPECT_EQ(r.nExitCode, 0);
        return ReadWholeFile(config / "Halvenik/Mirtora.conf");
    };
    std::string text = run();
    ASSERT_EQ(CountOf(text, "=cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl\n"), 1u)
        << text;
    EXPECT_EQ(CountOf(text, "=rc rc2\n"), 1u) << text;
    EXPECT_EQ(CountOf(text, "[Parsers/"), 0u) << text;
    EXPECT_EQ(CountOf(text, "[C"), 0u) << text;

    // The value written back is the one read at start-up, so the key was found again.
    size_t at = text.find("=cpp c cs h odl idl hpp hh hxx h++ cc cxx c++ ipp tpp tcc inl\n");
    text.replace(at, 20, "=c cpp\n");
    config.WriteFile("Halvenik/Mirtora.conf", text);
    text = run();
    EXPECT_EQ(CountOf(text, "=c cpp\n"), 1u) << text;
    EXPECT_EQ(CountOf(text, "odl"), 0u) << text;
}
