// Opening a source file for the user: the desktop's associated program first, then the
// editor the environment names ($VISUAL, then $EDITOR), in a terminal where it needs one.
#pragma once

#include <QStringList>

#include <string>

// The program and arguments that run the editor on the file; empty when neither
// variable names one, or a terminal is needed and none is installed.
QStringList EditorCommand(const std::string& strPath, const char* pszVisual, const char* pszEditor);

// True when something was started.
bool OpenFileInEditor(const std::string& strPath);
