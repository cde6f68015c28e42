// A project with the token parser and the scripted engine, for the tests of the
// decisions on findings: files are real files in a temporary folder, checked by a run.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/MirtDoc.h"
#include "tests/support/CheckFakes.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

class DecisionTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.m_parsers.Add(std::make_unique<CTokenParser>());
        app.m_pEngine = &engine;
        doc.OnNewDocument();
        doc.AddView(&view);
        doc.m_options.m_nCheckOptions = 7;
    }
    void TearDown() override { doc.RemoveView(&view); }

    std::string Add(const std::string& name, const std::string& content) {
        std::string path = dir.WriteFile(name, content);
        SetFileTime(path, 1000000000);
        doc.AddFile(path);
        return path;
    }
    // Runs on this thread, as the checking thread would.
    void Run() {
        doc.m_bRunning = 1;
        doc.RunCheck();
        ASSERT_TRUE(view.WaitForRunEnd());
    }
    CSpellFile* File(size_t i) { return doc.m_files.at(i); }
    CSpellError* Error(size_t nFile, size_t nError) { return File(nFile)->m_errors.at(nError); }
    std::vector<int32_t> Ignored(size_t nFile) {
        std::vector<int32_t> flags;
        for (const CSpellError* p : File(nFile)->m_errors)
            flags.push_back(p->m_bIgnored);
        return flags;
    }
    std::vector<int32_t> Chosen(size_t nFile) {
        std::vector<int32_t> chosen;
        for (const CSpellError* p : File(nFile)->m_errors)
            chosen.push_back(p->m_nChosen);
        return chosen;
    }
    std::string Entry(const std::string& word) {
        auto it = doc.m_dictionary.GetEntries().find(word);
        return it == doc.m_dictionary.GetEntries().end() ? "(none)" : it->second;
    }
    // What the results list does for one finding: record, then change.
    void IgnoreOne(CSpellError* pError) {
        ASSERT_TRUE(doc.RecordFindingChange(pError, -1));
        pError->m_bIgnored = 1;
    }
    void ChooseOne(CSpellError* pError, int32_t nIndex) {
        ASSERT_TRUE(doc.RecordFindingChange(pError, nIndex));
        pError->m_nChosen = nIndex;
    }

    CTempDir dir;
    CTestApp app;
    CScriptedEngine engine;
    CMirtDoc doc{app};
    CRecordingView view;
};

using Strings = std::vector<std::string>;
using Flags = std::vector<int32_t>;
