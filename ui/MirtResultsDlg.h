// "Results": the totals of a check run, each count shown only where the run's check
// options asked for it.
#pragma once

#include <QDialog>

#include <cstdint>

#include "project/MirtDocView.h"

class QLabel;
class QPushButton;

class CMirtResultsDlg : public QDialog {
    Q_OBJECT
public:
    CMirtResultsDlg(const SCheckStats& stats, int32_t nCheckOptions, QWidget* pParent = nullptr);

    // The count of a category (0 Language, 1 Comments, 2 Code) and kind (0 spelling,
    // 1 profanity).
    QLabel* Cell(int nCategory, int nKind) const { return m_cells[nCategory][nKind]; }

    QLabel* m_pFilesChecked;
    QLabel* m_pFilesWithErrors;
    QPushButton* m_pOk;
    QPushButton* m_pCreateReport;
    // "Create Error Report..." closed the dialog: the caller sends the report command.
    bool m_bReportRequested = false;

private:
    QLabel* MakeCell(int nCount, bool bChecked);

    QLabel* m_cells[3][2] = {};
};
