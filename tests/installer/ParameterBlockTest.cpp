// How the entry points find the installer's variables in its parameter block, and what
// the library shows to the program that loads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "tests/installer/TessmorLibrary.h"
#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {
class ParameterBlock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_library.IsLoaded()) << TESSMOR_LIBRARY;
        m_dir.WriteFile("right/r.txt", "r");
        m_dir.WriteFile("wrong/w.txt", "w");
        m_dir.MakeDir("new");
    }

    // Runs the folder copy with the block and returns what it wrote on standard error.
    std::string CopyFolder(const void* pBlock) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(m_library.CopyFolder(pBlock), 0);
        return ::testing::internal::GetCapturedStderr();
    }
    bool Copied(const std::string& strName) const { return fs::exists(m_dir / ("new/" + strName)); }

    CTessmorLibrary m_library;
    CTempDir m_dir;
};
} // namespace

TEST_F(ParameterBlock, FindsVariablesAtAnyIndexByExactName) {
    CParameterBlock block;
    block.Add("PROGRAMFILES", m_dir / "wrong");
    block.Add("installed_company_folder", m_dir / "wrong");
    block.Add("MAIN_COMPANY_FOLDER", m_dir / "new");
    block.AddSlot("INSTALLED_COMPANY_FOLDER", m_dir / "wrong"); // no "%" around it
    block.Add("INSTALLED_COMPANY_FOLDER", m_dir / "right");

    EXPECT_EQ(CopyFolder(block.Data()), "");
    EXPECT_TRUE(Copied("r.txt"));
    EXPECT_FALSE(Copied("w.txt"));
}

TEST_F(ParameterBlock, ANameDifferingOnlyInCaseIsNotFound) {
    CParameterBlock block;
    block.Add("Installed_Company_Folder", m_dir / "right");
    block.Add("MAIN_COMPANY_FOLDER", m_dir / "new");

    // The source comes out empty, and an empty path is not there.
    EXPECT_EQ(CopyFolder(block.Data()), "tessmor:  not found\n");
    EXPECT_FALSE(Copied("r.txt"));
}

TEST_F(ParameterBlock, SlotsOfAnyWidthAndNamesThatFillTheirSlot) {
    // 26 is the length of "%INSTALLED_COMPANY_FOLDER%": that slot holds no terminator.
    CParameterBlock block(26, 300);
    block.Add("MAIN_COMPANY_FOLDER", m_dir / "new");
    block.Add("INSTALLED_COMPANY_FOLDER", m_dir / "right");

    EXPECT_EQ(CopyFolder(block.Data()), "");
    EXPECT_TRUE(Copied("r.txt"));
}

TEST_F(ParameterBlock, OnlyCountedSlotsAreSearched) {
    CParameterBlock block;
    block.Add("INSTALLED_COMPANY_FOLDER", m_dir / "right");
    block.Add("MAIN_COMPANY_FOLDER", m_dir / "new");

    // Without the destination nothing is copied, and that is no error.
    EXPECT_EQ(CopyFolder(block.Data(1)), "");
    EXPECT_FALSE(Copied("r.txt"));
    EXPECT_NE(CopyFolder(block.Data(0)).find(" not found"), std::string::npos);
}

TEST_F(ParameterBlock, ValuesAreCutAt255Characters) {
    // A folder whose path is exactly 255 characters long, built from parts of any length.
    std::string strFolder = m_dir.Path();
    while (strFolder.size() < 255)
        strFolder += "/" + std::string(std::min<std::size_t>(100, 254 - strFolder.size()), 'd');
    ASSERT_EQ(strFolder.size(), 255u);
    fs::create_directories(strFolder);
    m_dir.WriteFile(strFolder.substr(m_dir.Path().size() + 1) + "/long.txt", "l");

    CParameterBlock block;
    block.Add("INSTALLED_COMPANY_FOLDER", strFolder + "/missing");
    block.Add("MAIN_COMPANY_FOLDER", m_dir / "new");
    EXPECT_EQ(CopyFolder(block.Data()), "");
    EXPECT_TRUE(Copied("long.txt"));
}

TEST_F(ParameterBlock, SlotsPastTheSixteenBitIndexAreNotSearched) {
    CParameterBlock block(32, 64);
    block.Add("MAIN_COMPANY_FOLDER", m_dir / "new");
    for (int i = 1; i < 0x10000; ++i)
        block.Add("FILLER", "");
    block.Add("INSTALLED_COMPANY_FOLDER", m_dir / "right"); // index 65536

    EXPECT_EQ(CopyFolder(block.Data()), "tessmor:  not found\n");
    EXPECT_FALSE(Copied("r.txt"));
}

TEST_F(ParameterBlock, ABlockWithoutANamesAreaHoldsNoVariables) {
    CParameterBlock block;
    block.Add("INSTALLED_COMPANY_FOLDER", m_dir / "right");
    block.Add("MAIN_COMPANY_FOLDER", m_dir / "new");

    EXPECT_EQ(CopyFolder(block.DataWithoutNames()), "tessmor:  not found\n");
    EXPECT_EQ(m_library.CopyRegistryKey(block.DataWithoutNames()), 0);
    EXPECT_FALSE(Copied("r.txt"));
}

TEST(TessmorExports, OnlyTheTwoEntryPoints) {
    SProcessResult result = RunProgram("/usr/bin/nm", {"-D", "--defined-only", TESSMOR_LIBRARY});
    if (result.nExitCode != 0)
        GTEST_SKIP() << "nm is not available: " << result.strStderr;
    std::set<std::string> symbols;
    std::istringstream lines(result.strStdout);
    for (std::string strLine; std::getline(lines, strLine);)
        symbols.insert(strLine.substr(strLine.rfind(' ') + 1));
    EXPECT_EQ(symbols, (std::set<std::string>{"Halvenik_CopyFolder", "Halvenik_CopyRegistryKey"}));
}
