// The parser registry: finding parsers by file name and id, handing out the run's
// engine, and the extension associations kept in the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserRc.h"
#include "parsers/MirtParsers.h"
#include "platform/SettingsStore.h"
#include "tests/support/FakeSpellEngine.h"

namespace {
// A user syntax as the registry sees it: an id, a name and extensions.
class CNamedParser : public CMirtParser {
public:
    CNamedParser(int32_t nId, std::string strName, const char* pszExtensions)
        : m_nId(nId), m_strName(std::move(strName)) {
        SetExtensions(pszExtensions);
    }
    int32_t GetId() const override { return m_nId; }
    std::string GetName() const override { return m_strName; }

private:
    int32_t m_nId;
    std::string m_strName;
};

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        parsers.Add(std::make_unique<CMirtParserCpp>());
        parsers.Add(std::make_unique<CMirtParserRc>());
        parsers.Add(std::make_unique<CNamedParser>(1000, "Pascal", "pas dpr"));
    }
    int32_t SyntaxOf(const std::string& path) const {
        return parsers.FindByFileName(path)->GetId();
    }
    CMirtParser& At(size_t n) { return *parsers.GetAt(n); }

    CMirtParsers parsers;
    CMemorySettingsStore settings;
};
} // namespace

TEST_F(Registry, FileNamesFindTheirParserByLowerCasedExtension) {
    EXPECT_EQ(SyntaxOf("/src/Main.CPP"), 0);
    EXPECT_EQ(SyntaxOf("/src/x.h"), 0);
    EXPECT_EQ(SyntaxOf("/src/app.rc2"), 6);
    EXPECT_EQ(SyntaxOf("/src/App.Rc"), 6);
    EXPECT_EQ(SyntaxOf("unit.pas"), 1000);
    EXPECT_EQ(SyntaxOf("/src/readme"), -1);
    EXPECT_EQ(SyntaxOf("/src/file."), -1);
    EXPECT_EQ(SyntaxOf("/src.cpp/readme"), -1);
    EXPECT_EQ(SyntaxOf("/src/archive.cpp.bak"), -1);
    EXPECT_EQ(SyntaxOf("/src/.cpp"), 0);
    EXPECT_EQ(parsers.SyntaxOfPath("/src/a.idl"), 0);
}

TEST_F(Registry, TheDefaultParserHasNoIdNameOrExtensions) {
    CMirtParser* pDefault = parsers.FindByFileName("notes.txt");
    ASSERT_NE(pDefault, nullptr);
    EXPECT_EQ(pDefault->GetId(), -1);
    EXPECT_EQ(pDefault->GetName(), "");
    EXPECT_TRUE(pDefault->m_extensions.empty());
    EXPECT_EQ(parsers.FindByFileName("other.doc"), pDefault);
    EXPECT_EQ(parsers.FindById(-1), nullptr); // files without a parser are never checked
}

TEST_F(Registry, TheFirstParserInRegistrationOrderWins) {
    At(2).SetExtensions("pas h");
    EXPECT_EQ(SyntaxOf("x.h"), 0);
    At(0).SetExtensions("cpp");
    EXPECT_EQ(SyntaxOf("x.h"), 1000);
}

TEST_F(Registry, ExtensionsEnteredInUpperCaseNeverMatch) {
    At(0).SetExtensions("CPP");
    EXPECT_EQ(At(0).m_extensions, std::vector<std::string>{"CPP"});
    EXPECT_EQ(SyntaxOf("Main.CPP"), -1);
    EXPECT_EQ(SyntaxOf("main.cpp"), -1);
}

TEST_F(Registry, FindByIdGivesTheFirstParserWithThatId) {
    EXPECT_EQ(parsers.FindById(6), parsers.GetAt(1));
    EXPECT_EQ(parsers.FindById(1000), parsers.GetAt(2));
    EXPECT_EQ(parsers.FindById(3), nullptr);
    parsers.Add(std::make_unique<CNamedParser>(6, "Resource copy", "rc3"));
    EXPECT_EQ(parsers.FindById(6), parsers.GetAt(1));
}

TEST_F(Registry, SetContextAllHandsTheEngineToEveryParser) {
    CFakeSpellEngine engine;
    parsers.SetContextAll(nullptr, &engine);
    for (size_t i = 0; i < parsers.GetSize(); ++i)
        EXPECT_EQ(parsers.GetAt(i)->m_pEngine, &engine) << i;
    parsers.SetContextAll(nullptr, nullptr);
    for (size_t i = 0; i < parsers.GetSize(); ++i)
        EXPECT_EQ(parsers.GetAt(i)->m_pEngine, nullptr) << i;
}

TEST_F(Registry, ExtensionTextsSplitAtBlanksCommasAndSemicolons) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"c, cpp;;h", {"c", "cpp", "h"}},
        {"  cxx   hxx ", {"cxx", "hxx"}},
        {"C;Hpp", {"C", "Hpp"}},
        {"", {}},
        {" ,; ", {}},
        {"in.l", {"in.l"}},
    };
    for (const auto& [text, expected] : cases) {
        At(0).SetExtensions(text);
        EXPECT_EQ(At(0).m_extensions, expected) << text;
    }
}

TEST_F(Registry, AssociationsAreStoredJoinedWithSingleBlanks) {
    At(0).SetExtensions("c, cpp;;h");
    parsers.SaveAssociations(settings);
    EXPECT_EQ(settings.GetString("Parsers", "C/C++/C#", "?"), "c cpp h");
    EXPECT_EQ(settings.GetString("Parsers", "Resource", "?"), "rc rc2");
    EXPECT_EQ(settings.GetString("Parsers", "Pascal", "?"), "pas dpr");
}

TEST_F(Registry, AssociationsRoundTripThroughTheSettings) {
    At(0).SetExtensions("cxx hxx");
    At(1).SetExtensions("");
    parsers.SaveAssociations(settings);

    CMirtParsers next;
    next.Add(std::make_unique<CMirtParserCpp>());
    next.Add(std::make_unique<CMirtParserRc>());
    next.Add(std::make_unique<CNamedParser>(1000, "Pascal", "pas dpr"));
    next.LoadAssociations(settings);
    EXPECT_EQ(next.GetAt(0)->m_extensions, (std::vector<std::string>{"cxx", "hxx"}));
    EXPECT_TRUE(next.GetAt(1)->m_extensions.empty()); // stored empty: no files
    EXPECT_EQ(next.GetAt(2)->m_extensions, (std::vector<std::string>{"pas", "dpr"}));
    EXPECT_EQ(next.FindByFileName("a.rc")->GetId(), -1);
    EXPECT_EQ(next.FindByFileName("a.hxx")->GetId(), 0);
}

TEST_F(Registry, AMissingValueKeepsTheBuiltInExtensions) {
    settings.WriteString("Parsers", "Resource", "res");
    parsers.LoadAssociations(settings);
    EXPECT_EQ(At(0).m_extensions.size(), 17u);
    EXPECT_EQ(At(0).m_extensions.front(), "cpp");
    EXPECT_EQ(At(0).m_extensions.back(), "inl");
    EXPECT_EQ(At(1).m_extensions, std::vector<std::string>{"res"});
    EXPECT_FALSE(settings.Has("Parsers", "C/C++/C#"));
}

TEST_F(Registry, ParsersWithTheSameNameShareOneValue) {
    parsers.Add(std::make_unique<CNamedParser>(1001, "Pascal", "pp"));
    parsers.SaveAssociations(settings);
    EXPECT_EQ(settings.GetString("Parsers", "Pascal", "?"), "pp");
    parsers.LoadAssociations(settings);
    EXPECT_EQ(At(2).m_extensions, std::vector<std::string>{"pp"});
    EXPECT_EQ(At(3).m_extensions, std::vector<std::string>{"pp"});
}

TEST_F(Registry, BuiltInExtensionsAreTheDefaultsAndNoneIsListedTwice) {
    std::vector<std::string> seen;
    for (size_t i = 0; i < 2; ++i) {
        const CMirtParser& p = At(i);
        EXPECT_EQ(p.GetExtensionsText(), p.GetDefaultExtensions()) << p.GetName();
        for (const std::string& ext : p.m_extensions) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), ext), 0) << ext;
            seen.push_back(ext);
        }
    }
}
