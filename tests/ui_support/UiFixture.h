// The document test ground with the window's pieces: a view over the project, event
// handling until a condition holds, and a run that can be held at a chosen word.
#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tests/support/DocFixture.h"
#include "ui/FileDialogs.h"

class CMirtView;
class QWidget;

// Holds the checking thread inside the engine's answer to one word, or inside its
// start, until released.
class CRunHold {
public:
    // The word that stands for the engine's start.
    static const char* const START;

    // Called on the checking thread for every word asked.
    void OnWord(const std::string& strWord);
    // Waits until the run is held at the word (true), or gives up after a long bound.
    bool WaitUntilHeld();
    void Release();

    std::string m_strWord;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bHeld = false;
    bool m_bReleased = false;
};

class CUiTest : public CDocTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Handles events until the condition holds; false after a long bound.
    static bool WaitFor(const std::function<bool()>& done);
    // Starts a run and handles events until the view has seen its end.
    void RunInWindow(CMirtView& view);
    // Holds the next run at the word.
    void HoldAt(const std::string& strWord);

    CRunHold hold;
};

// The message box that the window shows now, or null.
class QMessageBox* OpenMessageBox();

// Answers the first visible top-level widget of the type once it shows, looking again
// at every turn of the event loop until it does.
void AnswerWhenShown(const std::function<bool(QWidget*)>& answer);

// File choosers that answer what the test queued (nothing: cancelled) and remember what
// they were asked.
class CScriptedDialogs : public CFileDialogs {
public:
    std::string ChooseProject(QWidget*, bool bSave, const std::string&) override;
    std::vector<std::string> ChooseFilesToAdd(QWidget*, const QStringList& filters,
                                              int& nFilter) override;
    std::string ChooseReport(QWidget*) override;
    std::string ChooseFolder(QWidget*, const std::string& strInitial) override;
    std::string ChooseWordList(QWidget*) override;

    std::deque<std::string> projects;
    std::deque<std::vector<std::string>> fileSets;
    std::deque<std::string> reports;
    std::deque<std::string> folders;
    std::deque<std::string> wordLists;
    // The filter the user picks among those to add files; -1 keeps the one shown.
    int nPickedFilter = -1;

    std::vector<bool> projectAsks; // whether each project question was to save
    QStringList shownFilters;
    int nShownFilter = -1;
    std::string strShownFolder;
};
