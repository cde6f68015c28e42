// What "cmake --install" lays out: the program beside its Aspell folder, the link on
// the path, and the desktop entry, file type and icon that let a double click on a
// project file open it.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/Process.h"
#include "tests/support/TempDir.h"

namespace {
bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

TEST(Install, LaysOutTheProgramAndItsDesktopIntegration) {
    CTempDir prefix;
    SProcessResult r =
        RunProgram(MIRT_CMAKE_COMMAND, {"--install", MIRT_BINARY_DIR, "--prefix", prefix.Path()},
                   {{"DESTDIR", std::nullopt}});
    ASSERT_EQ(r.nExitCode, 0) << r.strStdout << r.strStderr;
    namespace fs = std::filesystem;
    EXPECT_TRUE(fs::is_regular_file(prefix / "lib/mirt/mirt"));
    EXPECT_TRUE(fs::is_symlink(prefix / "bin/mirt"));
    EXPECT_TRUE(fs::is_directory(prefix / "lib/mirt/Aspell/dict"));
    // The manual beside the program, with the pictures it shows.
    std::string manual = ReadWholeFile(prefix / "lib/mirt/docs/manual/index.html");
    EXPECT_TRUE(Contains(manual, "<title>MIRT User Manual</title>"));
    EXPECT_TRUE(Contains(manual, "src=\"../window-checked.png\""));
    EXPECT_TRUE(fs::is_regular_file(prefix / "lib/mirt/docs/window-checked.png"));

    std::string entry = ReadWholeFile(prefix / "share/applications/mirt.desktop");
    EXPECT_TRUE(Contains(entry, "\nName=MIRT\n")) << entry;
    EXPECT_TRUE(Contains(entry, "\nExec=mirt %f\n"));
    EXPECT_TRUE(Contains(entry, "\nIcon=mirt\n"));
    EXPECT_TRUE(Contains(entry, "\nMimeType=application/x-mirt-project;\n"));

    std::string type = ReadWholeFile(prefix / "share/mime/packages/mirt.xml");
    EXPECT_TRUE(Contains(type, "<mime-type type=\"application/x-mirt-project\">")) << type;
    EXPECT_TRUE(Contains(type, "<glob pattern=\"*.mrk\"/>"));
    EXPECT_TRUE(Contains(type, "<comment>MIRT Document</comment>"));
    EXPECT_TRUE(
        Contains(ReadWholeFile(prefix / "share/icons/hicolor/scalable/apps/mirt.svg"), "<svg"));
    EXPECT_TRUE(Contains(ReadWholeFile(prefix / "share/man/man1/mirt.1"), ".TH MIRT 1"));
    EXPECT_TRUE(Contains(ReadWholeFile(prefix / "share/bash-completion/completions/mirt"),
                         "complete -o filenames -F _mirt mirt"));
    // The bundled syntaxes beside the installed program, where start-up reads them.
    EXPECT_TRUE(Contains(ReadWholeFile(prefix / "lib/mirt/Python.ini"), "\nName=Python\n"));
    EXPECT_TRUE(fs::is_regular_file(prefix / "lib/mirt/keywords/python.txt"));
}
