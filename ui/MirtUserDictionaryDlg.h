// "Project Dictionary": every rule of the project, a row per word and context and a row
// per ignored call. Each change goes to the document at once, so closing undoes nothing.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class CFileDialogs;
class CMirtDoc;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The context a call row stands for.
constexpr int32_t CONTEXT_CALL = 255;

class CMirtUserDictionaryDlg : public QDialog {
    Q_OBJECT
public:
    CMirtUserDictionaryDlg(CMirtDoc& doc, CFileDialogs& dialogs, QWidget* pParent = nullptr);

    void FillList();
    void OnRowSelected();
    void OnAddUpdate();
    void OnRemove();
    void OnImport();

    QTreeWidget* m_pList;
    QLineEdit* m_pWord;
    // Strings, comments, code.
    QCheckBox* m_pBoxes[3];
    QLineEdit* m_pTexts[3];
    QPushButton* m_pAddUpdate;
    QPushButton* m_pRemove;
    QPushButton* m_pImport;
    QPushButton* m_pClose;

private:
    void SelectRow(int nRow);
    std::string RowWord(int nRow) const;
    int32_t RowContext(int nRow) const;

    CMirtDoc& m_doc;
    CFileDialogs& m_dialogs;
};
