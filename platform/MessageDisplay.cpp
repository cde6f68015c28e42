// Console message display.
#include "platform/MessageDisplay.h"

#include "platform/ConsoleOutput.h"

int CConsoleMessageDisplay::ShowMessage(const std::string& strText, unsigned, unsigned) {
    ConsoleWrite(strText);
    return IDOK;
}
