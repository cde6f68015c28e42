// "Select Folder": a folder, whether to include its subfolders and the file masks; on
// OK it collects the matching files, one scan per mask.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class CFileDialogs;
class CMirtParsers;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class CFolderFilesDlg : public QDialog {
    Q_OBJECT
public:
    CFolderFilesDlg(const CMirtParsers& parsers, CFileDialogs& dialogs,
                    const std::string& strFolderPath, int32_t bIncludeSubfolders,
                    const std::string& strFileMask, QWidget* pParent = nullptr);

    // Takes the values, scans the folder and closes.
    void accept() override;

    // What OK took, and the files it found (a file matching several masks comes several
    // times).
    std::string m_strFolderPath;
    int32_t m_bIncludeSubfolders;
    std::string m_strFileMask;
    std::vector<std::string> m_files;

    QLineEdit* m_pFolderEdit;
    QPushButton* m_pBrowse;
    QCheckBox* m_pSubfolders;
    QComboBox* m_pMaskBox;

private:
    void OnBrowse();

    CFileDialogs& m_dialogs;
};
