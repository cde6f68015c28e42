// The file and folder choosers the window opens. Tests put answers of their own in
// their place; the window uses the toolkit's dialogs.
#pragma once

#include <QStringList>

#include <string>
#include <vector>

class QWidget;

class CFileDialogs {
public:
    virtual ~CFileDialogs() = default;

    // A project to open, or the name to save it under; empty when cancelled.
    virtual std::string ChooseProject(QWidget* pParent, bool bSave, const std::string& strInitial);
    // Files to add. nFilter is the filter shown first (counted from 0) and, on OK, the one
    // the user chose.
    virtual std::vector<std::string> ChooseFilesToAdd(QWidget* pParent, const QStringList& filters,
                                                      int& nFilter);
    // Where to write the error report; the dialog asks before an existing file is replaced.
    virtual std::string ChooseReport(QWidget* pParent);
    virtual std::string ChooseFolder(QWidget* pParent, const std::string& strInitial);
    // Where to write the list of misspelled words; asks before replacing a file.
    virtual std::string ChooseWordList(QWidget* pParent);
};
