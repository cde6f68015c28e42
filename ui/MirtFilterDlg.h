// "Advanced filter": which kinds and categories of findings the list shows, and
// whether only pending changes or only some words.
#pragma once

#include <QDialog>

#include "project/ResultFilter.h"

class CCategoryGrid;
class QCheckBox;
class QLineEdit;

class CMirtFilterDlg : public QDialog {
    Q_OBJECT
public:
    CMirtFilterDlg(const CResultFilter& filter, QWidget* pParent = nullptr);

    // Builds m_filter from the controls.
    void accept() override;

    CResultFilter m_filter;
    CCategoryGrid* m_pGrid;
    QCheckBox* m_pPending;
    QCheckBox* m_pWordsBox;
    QLineEdit* m_pWords;
};
