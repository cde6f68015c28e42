// The window's one message function: the box its type asks for, answered by the user
// on the user-interface thread; from another thread it never waits.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <thread>

#include "tests/ui_support/UiFixture.h"
#include "ui/QtMessageDisplay.h"

namespace {
// Presses a button of the box the display is about to show, once its loop runs.
void PressWhenShown(QMessageBox::StandardButton button, QMessageBox** ppSeen) {
    QTimer::singleShot(0, [button, ppSeen] {
        QMessageBox* pBox = OpenMessageBox();
        *ppSeen = pBox;
        if (pBox)
            pBox->button(button)->click();
    });
}
} // namespace

TEST(QtMessageDisplay, AQuestionReturnsTheButtonPressed) {
    CQtMessageDisplay display;
    QMessageBox* pSeen = nullptr;
    PressWhenShown(QMessageBox::Yes, &pSeen);
    EXPECT_EQ(display.ShowMessage("Go on?", MB_YESNO | MB_ICONQUESTION), IDYES);
    ASSERT_NE(pSeen, nullptr);
    PressWhenShown(QMessageBox::Cancel, &pSeen);
    EXPECT_EQ(display.ShowMessage("Save?", MB_YESNOCANCEL | MB_ICONEXCLAMATION), IDCANCEL);
}

// Escape or closing the window would answer No; the backup question must be answered.
TEST(QtMessageDisplay, AYesNoQuestionIsAnsweredOnlyByItsButtons) {
    CQtMessageDisplay display;
    bool bStillOpen = false;
    QTimer::singleShot(0, [&bStillOpen] {
        QMessageBox* pBox = OpenMessageBox();
        if (!pBox)
            return;
        QTest::keyClick(pBox, Qt::Key_Escape);
        pBox->close();
        bStillOpen = pBox->isVisible();
        pBox->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(display.ShowMessage("Back up?", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_TRUE(bStillOpen);
    // Boxes with a Cancel button keep Escape for it.
    QTimer::singleShot(0, [] {
        if (QMessageBox* pBox = OpenMessageBox())
            QTest::keyClick(pBox, Qt::Key_Escape);
    });
    EXPECT_EQ(display.ShowMessage("Save?", MB_YESNOCANCEL), IDCANCEL);
}

TEST(QtMessageDisplay, EachTypeHasItsButtonsAndIcon) {
    std::unique_ptr<QMessageBox> pBox(
        MakeMessageBox(nullptr, "text", MB_YESNOCANCEL | MB_ICONEXCLAMATION));
    EXPECT_EQ(pBox->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(pBox->icon(), QMessageBox::Warning);
    EXPECT_EQ(pBox->windowTitle(), "Mirtora");
    pBox.reset(MakeMessageBox(nullptr, "text", MB_OK | MB_ICONSTOP));
    EXPECT_EQ(pBox->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(pBox->icon(), QMessageBox::Critical);
    pBox.reset(MakeMessageBox(nullptr, "text", MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(pBox->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(pBox->icon(), QMessageBox::Question);
    EXPECT_EQ(AnswerOf(QMessageBox::No), IDNO);
    EXPECT_EQ(AnswerOf(QMessageBox::Ok), IDOK);
}

TEST(QtMessageDisplay, FromAnotherThreadItAnswersAtOnceAndShowsTheBoxLater) {
    CQtMessageDisplay display;
    int nOk = 0, nQuestion = 0, nCancellable = 0;
    std::thread other([&] {
        nOk = display.ShowMessage("Told", MB_OK);
        nQuestion = display.ShowMessage("Asked?", MB_YESNO);
        nCancellable = display.ShowMessage("Go on?", MB_OKCANCEL);
    });
    other.join();
    EXPECT_EQ(nOk, IDOK);
    EXPECT_EQ(nQuestion, IDNO);
    // A box with a Cancel button is answered with it.
    EXPECT_EQ(nCancellable, IDCANCEL);
    QMessageBox* pBox = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (pBox = OpenMessageBox()) != nullptr; }, 60000));
    EXPECT_TRUE(pBox->text() == "Told" || pBox->text() == "Asked?" || pBox->text() == "Go on?");
    while ((pBox = OpenMessageBox()) != nullptr)
        pBox->close();
}
