// "File Types/Syntax Associations": the file types each syntax takes, edited in place.
// OK gives the parsers the edited lists; the caller then re-associates the project.
#pragma once

#include <QDialog>

class CMirtParsers;
class QPushButton;
class QTreeWidget;

class CSyntaxAssociationDlg : public QDialog {
    Q_OBJECT
public:
    CSyntaxAssociationDlg(CMirtParsers& parsers, QWidget* pParent = nullptr);

    void accept() override;
    // Starts the in-place edit of the selected row's "File Types".
    void OnEdit();
    // Every row back to its syntax's own extensions; nothing is stored until OK.
    void OnReset();

    QTreeWidget* m_pList;
    QPushButton* m_pEdit;
    QPushButton* m_pReset;

private:
    void FitFileTypes();

    CMirtParsers& m_parsers;
};
