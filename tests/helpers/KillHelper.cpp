// A program for the crash-safety test to kill: it saves a large project, or writes back
// the replacements of large sources, through the same document operations as mirt.
//   mirt_kill_helper make <folder> <files> <lines>
//                                     a project <folder>/p.mrk over <folder>/f<N>.cpp
//   mirt_kill_helper save <project>   loads it, records one more rule and saves it
//   mirt_kill_helper write <project>  loads it and writes the chosen replacements back
// Once loaded, "ready" goes to standard output so that the test kills the work itself,
// not the loading.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "project/MirtDoc.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

namespace {
const std::string kLine = "    int value = compute(\"an examle of a line long enough to matter\");";

void AddFindings(CSpellFile& file, int nLines) {
    auto nPos = static_cast<int32_t>(kLine.find("examle"));
    for (int i = 0; i < nLines; ++i) {
        auto* pError = new CSpellError(&file, KIND_SPELLING, i + 1, nPos, "examle", 1, kLine);
        pError->AddRef();
        pError->m_suggestions = {"example", "exam le", "examine"};
        pError->m_nChosen = 0;
        file.m_errors.push_back(pError);
    }
}

// Files whose every line has a finding with a chosen replacement, as if just checked.
int Make(const std::string& strFolder, int nFiles, int nLines) {
    CTestApp app;
    CMirtDoc doc(app);
    doc.OnNewDocument();
    std::string text;
    for (int i = 0; i < nLines; ++i)
        text += kLine + "\n";
    for (int nFile = 0; nFile < nFiles; ++nFile) {
        std::string strPath = strFolder + "/f" + std::to_string(nFile) + ".cpp";
        if (!WriteWholeFile(strPath, text) || !doc.AddFile(strPath))
            return 1;
        CSpellFile* pFile = doc.m_files.back();
        pFile->m_tChecked = pFile->m_tModified;
        pFile->m_nStatus = STATUS_CHECKED;
        AddFindings(*pFile, nLines);
    }
    return doc.OnSaveDocument(strFolder + "/p.mrk") ? 0 : 1;
}

int Work(const std::string& strMode, const std::string& strProject) {
    CTestApp app;
    CMirtDoc doc(app);
    if (!doc.OnOpenDocument(strProject))
        return 1;
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    if (strMode == "save") {
        doc.m_dictionary.SetReplacement("killed", 1, "saved");
        return doc.OnSaveDocument(strProject) ? 0 : 1;
    }
    // The backup question is answered No: the test looks at the sources only.
    return doc.SaveChanges() ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    std::string strMode = argc > 1 ? argv[1] : "";
    if (strMode == "make" && argc == 5)
        return Make(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if ((strMode == "save" || strMode == "write") && argc == 3)
        return Work(strMode, argv[2]);
    std::fputs("usage: mirt_kill_helper make <folder> <files> <lines> | save <project> | "
               "write <project>\n",
               stderr);
    return 2;
}
