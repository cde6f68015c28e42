// Window test ground.
#include "tests/ui_support/UiFixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <chrono>

#include "ui/MirtView.h"

const char* const CRunHold::START = "<engine start>";

void CRunHold::OnWord(const std::string& strWord) {
    if (strWord != m_strWord)
        return;
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_bReleased)
        return;
    m_bHeld = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_bReleased; });
}

bool CRunHold::WaitUntilHeld() {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(60), [this] { return m_bHeld; });
}

void CRunHold::Release() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bReleased = true;
    m_changed.notify_all();
}

void CUiTest::SetUp() {
    CDocTest::SetUp();
    engine.SetOnWord([this](const std::string& strWord) { hold.OnWord(strWord); });
    engine.SetOnStart([this] { hold.OnWord(CRunHold::START); });
}

void CUiTest::TearDown() {
    hold.Release();
    doc.StopCheckingThread();
    CDocTest::TearDown();
}

bool CUiTest::WaitFor(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 60000);
}

void CUiTest::RunInWindow(CMirtView& view) {
    bool bEnded = false;
    auto connection = QObject::connect(&view, &CMirtView::RunEnded, [&] { bEnded = true; });
    doc.ToggleRun();
    EXPECT_TRUE(WaitFor([&] { return bEnded; }));
    QObject::disconnect(connection);
}

void CUiTest::HoldAt(const std::string& strWord) {
    hold.m_strWord = strWord;
}

QMessageBox* OpenMessageBox() {
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        if (auto* pBox = qobject_cast<QMessageBox*>(pWidget); pBox && pBox->isVisible())
            return pBox;
    return nullptr;
}

namespace {
template <class T> T TakeFront(std::deque<T>& queue) {
    if (queue.empty())
        return T();
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
} // namespace

std::string CScriptedDialogs::ChooseProject(QWidget*, bool bSave, const std::string&) {
    projectAsks.push_back(bSave);
    return TakeFront(projects);
}

std::vector<std::string> CScriptedDialogs::ChooseFilesToAdd(QWidget*, const QStringList& filters,
                                                            int& nFilter) {
    shownFilters = filters;
    nShownFilter = nFilter;
    if (nPickedFilter >= 0)
        nFilter = nPickedFilter;
    return TakeFront(fileSets);
}

std::string CScriptedDialogs::ChooseReport(QWidget*) {
    return TakeFront(reports);
}

std::string CScriptedDialogs::ChooseFolder(QWidget*, const std::string& strInitial) {
    strShownFolder = strInitial;
    return TakeFront(folders);
}

std::string CScriptedDialogs::ChooseWordList(QWidget*) {
    return TakeFront(wordLists);
}

void AnswerWhenShown(const std::function<bool(QWidget*)>& answer) {
    auto* pTimer = new QTimer(qApp);
    pTimer->setInterval(0);
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, answer] {
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            if (pWidget->isVisible() && answer(pWidget)) {
                pTimer->stop();
                pTimer->deleteLater();
                return;
            }
    });
    pTimer->start();
}
