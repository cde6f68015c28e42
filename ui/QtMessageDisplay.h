// The program's one message function in the window: a message box with the buttons and
// icon of its type, answered on the user-interface thread.
#pragma once

#include <QMessageBox>

#include "platform/MessageDisplay.h"

// A box for the text with the buttons and icon its type asks for, owned by the parent.
// When an answer is required, a Yes/No box closes only through one of its buttons.
QMessageBox* MakeMessageBox(QWidget* pParent, const std::string& strText, unsigned nType,
                            bool bAnswerRequired = false);
// The answer a button of such a box stands for (IDOK, IDYES ...).
int AnswerOf(int nButton);

class CQtMessageDisplay : public CMessageDisplay {
public:
    // Shows the box and waits for it on the user-interface thread. Called on another
    // thread, it shows the box there later and answers at once as console mode would,
    // since waiting could block a thread that the user-interface thread waits for.
    int ShowMessage(const std::string& strText, unsigned nType = MB_OK,
                    unsigned nHelpId = 0) override;
};
