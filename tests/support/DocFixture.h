// A fresh project in a temporary folder with the token parser, a fake engine that
// rejects teh and darn, and a recording view: the common ground of the document tests.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>

#include "project/MirtDoc.h"
#include "tests/support/CheckFakes.h"
#include "tests/support/FakeSpellEngine.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestApp.h"

class CDocTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the file with a modification time well in the past and adds it.
    std::string Add(const std::string& strName, const std::string& strContent);
    CSpellFile* File(size_t i) { return doc.m_files.at(i); }
    // One check run on this thread, as the checking thread would run it.
    SCheckStats Run();
    // A run on the checking thread while the commands run on a thread of their own, as
    // the user-interface thread would, until the run has ended. False when it did not.
    bool RunWhile(const std::function<void(const std::atomic<bool>& bDone)>& commands,
                  SCheckStats& stats);

    CTempDir dir;
    CTestApp app;
    CFakeSpellEngine engine;
    CMirtDoc doc{app};
    CRecordingView view;
};
