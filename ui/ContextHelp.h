// Context help in dialogs: F1 on a control shows its short "What's This?" text.
#pragma once

class QWidget;

void AddContextHelp(QWidget* pDialog);
