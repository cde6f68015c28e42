// Runs the window over an open project until the user closes it.
#pragma once

class CMirtAppContext;
class CMirtDoc;
class CRecentFileList;

// Needs the QApplication; returns the event loop's exit code.
int RunMainWindow(CMirtDoc& doc, CMirtAppContext& app, CRecentFileList& recentFiles);
