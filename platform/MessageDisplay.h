// The one way the program shows a message or asks a question: a message box in the
// window, plain text on standard output in console mode.
#pragma once

#include <string>

// Box types and answers keep the classic message box values.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class CMessageDisplay {
public:
    virtual ~CMessageDisplay() = default;

    // Shows the text and returns the button pressed (IDOK, IDYES, IDNO ...).
    virtual int ShowMessage(const std::string& strText, unsigned nType = MB_OK,
                            unsigned nHelpId = 0) = 0;
};

// Console mode: the text goes to standard output exactly as given, with no line end
// added, and the answer is OK at once, so every question takes its "No" branch.
class CConsoleMessageDisplay : public CMessageDisplay {
public:
    int ShowMessage(const std::string& strText, unsigned nType = MB_OK,
                    unsigned nHelpId = 0) override;
};
