// "Options": what a check looks for, and with which spelling engine. OK sets the
// project's check options and the current engine and stores both as the defaults.
#pragma once

#include <QDialog>

#include "project/MirtDoc.h"

class CCategoryGrid;
class CSettingsStore;
class QComboBox;
class QLabel;

class CMirtDocOptionsDlg : public QDialog {
    Q_OBJECT
public:
    CMirtDocOptionsDlg(SMirtDocOptions& options, CSettingsStore& settings,
                       QWidget* pParent = nullptr);

    void accept() override;

    CCategoryGrid* m_pGrid;
    QComboBox* m_pEngines;
    QLabel* m_pDescription;
    // Kept for the stored choice; never filled, never shown.
    QComboBox* m_pSyntax;

private:
    void OnEngineSelected(int nIndex);

    SMirtDocOptions& m_options;
    CSettingsStore& m_settings;
};
