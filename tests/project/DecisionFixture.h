// A project with the token parser and the scripted engine, for the tests of the
// decisions on findings: files are real files in a temporary folder, checked by a run.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/CheckOptions.h"
#include "project/MirtDoc.h"
#include "tests/support/DocFixture.h"

class DecisionTest : public CDocTest {
protected:
    void SetUp() override {
        CDocTest::SetUp();
        doc.m_options.m_nCheckOptions = MakeCheckOptions(CHECK_ALL_CATEGORIES, 0);
    }

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
        ASSERT_TRUE(doc.GetDecisions().RecordFindingChange(pError, -1));
        pError->m_bIgnored = 1;
    }
    void ChooseOne(CSpellError* pError, int32_t nIndex) {
        ASSERT_TRUE(doc.ChooseSuggestion(pError, nIndex));
    }
};

using Strings = std::vector<std::string>;
using Flags = std::vector<int32_t>;
