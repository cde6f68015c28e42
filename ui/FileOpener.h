// Opening a source file for the user: the desktop's associated program first, then the
// editor the environment names ($VISUAL, then $EDITOR), in a terminal where it needs one.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <string>

// The program and arguments that run the editor on the file; empty when neither
// variable names one, or a terminal is needed and none is installed.
QStringList EditorCommand(const std::string& strPath, const char* pszVisual, const char* pszEditor);

// Asks the desktop's opener first; when it says it has no program for the file (or is
// not there), runs the editor; when there is none either, calls onFailure. The
// opener's answer comes later, on the event loop.
void OpenFileInEditor(const std::string& strPath, QObject* pContext,
                      std::function<void()> onFailure);
