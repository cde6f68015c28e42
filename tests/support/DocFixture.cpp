// Document test fixture.
#include "tests/support/DocFixture.h"

#include <thread>

void CDocTest::SetUp() {
    app.m_parsers.Add(std::make_unique<CTokenParser>());
    engine.SetName("Scripted");
    engine.Reject("teh", {"the", "ten"});
    engine.Reject("darn", {"dam"});
    app.m_pEngine = &engine;
    doc.OnNewDocument();
    doc.AddView(&view);
}

void CDocTest::TearDown() {
    doc.RemoveView(&view);
}

std::string CDocTest::Add(const std::string& strName, const std::string& strContent) {
    std::string path = dir.WriteFile(strName, strContent);
    SetFileTime(path, 1000000000);
    doc.AddFile(path);
    return path;
}

SCheckStats CDocTest::Run() {
    doc.SetRunning(true);
    doc.RunCheck();
    SCheckStats stats;
    EXPECT_TRUE(view.WaitForRunEnd(&stats));
    return stats;
}

bool CDocTest::RunWhile(const std::function<void(const std::atomic<bool>& bDone)>& commands,
                        SCheckStats& stats) {
    std::atomic<bool> bDone{false};
    std::thread ui([&] { commands(bDone); });
    doc.ToggleRun();
    bool bEnded = view.WaitForRunEnd(&stats);
    bDone = true;
    ui.join();
    return bEnded;
}
